#pragma once
// Reading a text file for the viewer. Only regular files are read, so a FIFO or a device can
// never block the window, and only as much of the file as the viewer can show.

#include <QString>

namespace orvanel {

struct FileText {
    enum class Status { Read, Empty, Failed };
    Status status = Status::Failed;
    QString text;        // the file's characters (at most `limit` of them)
    int errorNumber = 0; // for Failed
    QString description; // for Failed
};

class TextFileSource {
  public:
    virtual ~TextFileSource() = default;
    // Reads the first `limit` UTF-16 characters of the file, or all of it when it is shorter.
    virtual FileText read(const QString& path, qsizetype limit) = 0;
};

class DiskTextFileSource final : public TextFileSource {
  public:
    FileText read(const QString& path, qsizetype limit) override;
};

// Bytes to characters: every well-formed UTF-8 sequence as UTF-8, every other byte as
// Windows-1252. The rule is local to each sequence, so a prefix of a file decodes to a prefix
// of the whole file's text (the viewer relies on that to read huge files partly).
QString DecodeText(const char* data, qsizetype size);

} // namespace orvanel
