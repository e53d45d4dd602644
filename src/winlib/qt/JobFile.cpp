#include "JobFile.h"

#include <cerrno>
#include <unistd.h>

namespace {
constexpr qint64 BlockSize = 256 * 1024;
}

TJobFile::TJobFile(int Fd) : fd_(Fd) {
    buffer_.reserve(BlockSize);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void TJobFile::WriteOut(const char* data, qint64 size) {
    while (size > 0 && !error_) {
        const ssize_t n = ::write(fd_, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno != EINTR) error_ = errno;
            continue;
        }
        if (n == 0) error_ = EIO;
        // A short write is followed by one that says why the rest does not fit.
        data += n;
        size -= n;
    }
}

qint64 TJobFile::writeData(const char* data, qint64 size) {
    // Qt's writer ignores failures, so every byte is taken; after a failure nothing more goes out
    // and the cause waits for Flush.
    if (error_) return size;
    if (buffer_.size() + size > BlockSize) {
        WriteOut(buffer_.constData(), buffer_.size());
        buffer_.clear();
    }
    if (size >= BlockSize)
        WriteOut(data, size);
    else
        buffer_.append(data, size);
    return size;
}

int TJobFile::Flush() {
    WriteOut(buffer_.constData(), buffer_.size());
    buffer_.clear();
    return error_;
}
