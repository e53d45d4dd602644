// The toolkit's texts in Japanese: Qt's translation of its own dialogs and menus (the package
// qt6-translations-l10n), with the program's wording layered over it.
#include "JapaneseTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <cstring>

namespace {

struct Wording {
    const char* context;
    const char* source;
    const char* text;
};

// Qt asks for these by its English source text. The standard buttons read as the program's own
// forms write them (Qt's translation adds accelerators: "はい(&Y)"); the file dialog's type
// column names a folder with a context that the translation does not carry.
constexpr Wording kWordings[] = {
    {"QPlatformTheme", "OK", winlib::kOkText},
    {"QPlatformTheme", "Cancel", winlib::kCancelText},
    {"QPlatformTheme", "&Yes", winlib::kYesText},
    {"QPlatformTheme", "&No", winlib::kNoText},
    {"QAbstractFileIconProvider", "Folder", "フォルダー"},
    {"QAbstractFileIconProvider", "Drive", "ドライブ"},
    {"QAbstractFileIconProvider", "File", "ファイル"},
};

class ProgramWording : public QTranslator {
  public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (!context || !source) return {};
        for (const Wording& w : kWordings)
            if (std::strcmp(w.context, context) == 0 && std::strcmp(w.source, source) == 0)
                return QString::fromUtf8(w.text);
        return {};
    }
};

// The application object the texts were installed for: a test run may make a second one.
const QCoreApplication* installedFor = nullptr;

} // namespace

namespace winlib {

void InstallJapaneseTexts() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || installedFor == app) return;
    installedFor = app;
    // Dates, sizes and file kinds in Qt's dialogs follow the default locale; the program's own
    // number texts do not depend on it.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* qt = new QTranslator(app);
    if (qt->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // Installed last, so asked first.
    QCoreApplication::installTranslator(new ProgramWording(app));
}

} // namespace winlib
