#include "PrinterSpool.h"

#include <QDir>
#include <QFileInfo>

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

QString NewWrittenFile(const std::set<int>& Before) {
    QString found;
    for (int fd : OpenDescriptors()) {
        if (Before.count(fd)) continue;
        struct stat st {};
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) continue;
        const int flags = fcntl(fd, F_GETFL);
        if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) continue;
        const QString target = QFileInfo(QString("/proc/self/fd/%1").arg(fd)).symLinkTarget();
        if (!target.isEmpty() && QFileInfo::exists(target)) found = target;
    }
    return found;
}
