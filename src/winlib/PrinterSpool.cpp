#include "PrinterSpool.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/stat.h>

std::set<int> OpenDescriptors() {
    std::set<int> fds;
    const QStringList names =
        QDir("/proc/self/fd").entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& n : names) {
        bool ok = false;
        const int fd = n.toInt(&ok);
        if (ok) fds.insert(fd);
    }
    return fds;
}

QString NewCupsTempFile(const std::set<int>& Before) {
    static const QRegularExpression hexName("^[0-9a-f]{13,}$");
    const QString tempDir = QFileInfo(QDir::tempPath()).canonicalFilePath();
    QString found;
    for (int fd : OpenDescriptors()) {
        if (Before.count(fd)) continue;
        struct stat st {};
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) continue;
        const int flags = fcntl(fd, F_GETFL);
        if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) continue;
        const QString target = QFileInfo(QString("/proc/self/fd/%1").arg(fd)).symLinkTarget();
        const QFileInfo fi(target);
        if (fi.exists() && fi.canonicalPath() == tempDir && hexName.match(fi.fileName()).hasMatch())
            found = fi.filePath();
    }
    return found;
}
