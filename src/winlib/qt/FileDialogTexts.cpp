#include "FileDialogTexts.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace winlib {

namespace {

// The columns of the file list as the toolkit's model has them.
enum Column { NameColumn = 0, SizeColumn = 1, TypeColumn = 2, DateColumn = 3 };

class JapaneseFileList : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && (index.column() == SizeColumn || index.column() == DateColumn))
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel())) {
                const QFileInfo info = files->fileInfo(mapToSource(index));
                const QLocale japanese(QLocale::Japanese, QLocale::Japan);
                if (index.column() == DateColumn)
                    return japanese.toString(info.lastModified(), QLocale::ShortFormat);
                if (!info.isFile()) return QString();
                if (info.size() < 1024) return QString::number(info.size()) + QString::fromUtf8(" バイト");
                return japanese.formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
            }
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

void UseJapaneseFileDialog(QFileDialog& Dialog) {
    Dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    Dialog.setProxyModel(new JapaneseFileList(&Dialog));
}

} // namespace winlib
