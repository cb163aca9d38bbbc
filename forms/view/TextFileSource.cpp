#include "TextFileSource.h"

#include "StrProc.h"
#include "ViewerMessages.h"

#include <QByteArray>
#include <QFile>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanel {
namespace {

// Windows-1252 for 0x80..0x9F; the five unassigned bytes keep their C1 code points.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t Cp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

FileText Failure(int errnoValue) {
    const FileError error = FileErrorFor(errnoValue);
    FileText result;
    result.errorNumber = error.number;
    result.description = QString::fromLatin1(error.description.data(),
                                             static_cast<qsizetype>(error.description.size()));
    return result;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

} // namespace

QString DecodeText(const char* data, qsizetype size) {
    QString text;
    text.reserve(size);
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    for (qsizetype i = 0; i < size;) {
        char32_t cp = 0;
        const int length = Utf8Sequence(bytes + i, static_cast<std::size_t>(size - i), cp);
        if (length == 0) {
            text.append(QChar(Cp1252(bytes[i])));
            ++i;
            continue;
        }
        if (cp > 0xFFFF) {
            text.append(QChar(QChar::highSurrogate(cp)));
            text.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            text.append(QChar(static_cast<char16_t>(cp)));
        }
        i += length;
    }
    return text;
}

FileText DiskTextFileSource::read(const QString& path, qsizetype limit) {
    if (path.isEmpty()) {
        return Failure(ENOENT);
    }
    // Non-blocking open: opening a FIFO must not wait for a writer.
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        return Failure(errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return Failure(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return Failure(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    }
    // A UTF-16 character never takes more than three bytes, so this many bytes hold at least
    // `limit` characters whenever the file goes on beyond them; a sequence cut at the end can
    // only fall after those characters.
    const qsizetype wanted = std::min<qsizetype>(info.st_size, limit * 3 + 4);
    QByteArray bytes(wanted, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, static_cast<size_t>(wanted - got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return Failure(errno);
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    if (got == 0) {
        FileText empty;
        empty.status = FileText::Status::Empty;
        return empty;
    }
    FileText result;
    result.status = FileText::Status::Read;
    result.text = DecodeText(bytes.constData(), got).left(limit);
    return result;
}

} // namespace orvanel
