#include "FontMapping.h"

#include <QFontDatabase>
#include <QStringList>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintDevice>

#include <algorithm>
#include <map>
#include <tuple>

namespace fnt {

namespace {

enum class Kind { Gothic, PGothic, Mincho, PMincho };

struct Alias {
    const char* name;
    Kind kind;
};

// The program's Japanese font names and their usual spellings.
const Alias kAliases[] = {
    {"ＭＳ ゴシック", Kind::Gothic}, {"MS Gothic", Kind::Gothic},      {"ＭＳ Ｐゴシック", Kind::PGothic},
    {"MS PGothic", Kind::PGothic},   {"MS UI Gothic", Kind::PGothic},  {"ＭＳ UI Gothic", Kind::PGothic},
    {"ＭＳ 明朝", Kind::Mincho},     {"MS Mincho", Kind::Mincho},      {"ＭＳ Ｐ明朝", Kind::PMincho},
    {"MS PMincho", Kind::PMincho},   {"メイリオ", Kind::PGothic},      {"Meiryo", Kind::PGothic},
    {"Meiryo UI", Kind::PGothic},    {"ＭＳ　ゴシック", Kind::Gothic}, {"ＭＳ　明朝", Kind::Mincho},
};

bool Installed(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

QString Japanese(bool mincho) {
    const QStringList all = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& f : all) {
        if (mincho ? (f.contains("Mincho", Qt::CaseInsensitive) || f.contains(QString::fromUtf8("明朝")))
                   : (f.contains("Gothic", Qt::CaseInsensitive) || f.contains(QString::fromUtf8("ゴシック"))))
            return f;
    }
    return all.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : all.first();
}

QString ForKind(Kind k) {
    static const char* const preferred[] = {"IPAGothic", "IPAPGothic", "IPAMincho", "IPAPMincho"};
    const QString want = QString::fromLatin1(preferred[static_cast<int>(k)]);
    if (Installed(want)) return want;
    const bool mincho = k == Kind::Mincho || k == Kind::PMincho;
    return Japanese(mincho);
}

QString Resolve(const AnsiString& name) {
    for (const Alias& a : kAliases)
        if (name == a.name) return ForKind(a.kind);
    const QString q = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (!q.isEmpty() && Installed(q)) return q;
    if (q.contains(QString::fromUtf8("明朝")) || q.contains("Mincho", Qt::CaseInsensitive))
        return ForKind(Kind::PMincho);
    return ForKind(Kind::PGothic);
}

int DeviceDpi(QPaintDevice* d) {
    return d ? d->logicalDpiY() : 0;
}

QFont Base(const TFont& f) {
    QFont q;
    const QString family = FamilyFor(f.Name());
    // A Japanese family behind the chosen one keeps kana and kanji in Japanese glyph forms.
    q.setFamilies({family, ForKind(Kind::PGothic)});
    const TFontStyles s = f.Style();
    q.setBold(s & fsBold);
    q.setItalic(s & fsItalic);
    q.setUnderline(s & fsUnderline);
    q.setStrikeOut(s & fsStrikeOut);
    q.setKerning(false);
    q.setStyleStrategy(QFont::PreferMatch);
    return q;
}

int MetricsHeight(const QFont& q, QPaintDevice* device) {
    return device ? QFontMetrics(q, device).height() : QFontMetrics(q).height();
}

// The toolkit's font metrics overflow a little above 30000 pixels; fonts stay below that.
constexpr int kMaxPixelSize = 16384;

// The largest pixel size whose ascent + descent does not exceed the cell height; a cell taller
// than the largest font the toolkit measures gets that font.
int PixelSizeForCell(const TFont& f, QPaintDevice* device) {
    using Key = std::tuple<AnsiString, int, int, int>;
    static std::map<Key, int> cache;
    const int cell = f.Height();
    const Key key(f.Name(), cell, f.Style() & (fsBold | fsItalic), DeviceDpi(device));
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    QFont q = Base(f);
    q.setPixelSize(100);
    const int ref = std::max(1, MetricsHeight(q, device));
    int size = static_cast<int>(
        std::clamp(static_cast<long long>(cell) * 100 / ref, 1LL, static_cast<long long>(kMaxPixelSize)));
    auto heightAt = [&](int px) {
        q.setPixelSize(px);
        return MetricsHeight(q, device);
    };
    while (size > 1 && heightAt(size) > cell)
        --size;
    while (size < kMaxPixelSize && heightAt(size + 1) <= cell)
        ++size;
    if (cache.size() > 4096) cache.clear();
    cache.emplace(key, size);
    return size;
}

} // namespace

QString FamilyFor(const AnsiString& name) {
    static std::map<AnsiString, QString> cache;
    if (auto it = cache.find(name); it != cache.end()) return it->second;
    const QString f = Resolve(name);
    cache.emplace(name, f);
    return f;
}

QFont QtFont(const TFont& f, QPaintDevice* device) {
    QFont q = Base(f);
    const int h = f.Height();
    if (h > 0)
        q.setPixelSize(PixelSizeForCell(f, device));
    else
        q.setPixelSize(h < 0 ? static_cast<int>(std::min(-static_cast<long long>(h), 1LL * kMaxPixelSize))
                             : 12);
    return q;
}

int CellHeight(const TFont& f, QPaintDevice* device) {
    if (f.Height() > 0) return f.Height();
    return MetricsHeight(QtFont(f, device), device);
}

} // namespace fnt
