#pragma once
// The desktop services the windows use, each behind a small interface so that tests can stand
// in for them (no test ever blocks on a message box or launches a browser).

#include "Numbers.h"
#include "Outcome.h"

#include <QSize>
#include <QString>

class QWidget;

namespace orvanel {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Shows the message modally over `owner` (which may be null) and returns once it is closed.
    virtual void show(QWidget* owner, const Message& message) = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content with plain text. False when the clipboard is unavailable.
    virtual bool putText(const QString& text) = 0;
};

// Opens an address in the default browser and answers like the shell's open operation:
// above 32 on success; 31 when nothing handles the address; 8 out of memory; 2 not found.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual int open(const QString& url) = 0;
};

class ScreenInfo {
  public:
    virtual ~ScreenInfo() = default;
    // Size of the primary screen in logical pixels.
    virtual QSize size() const = 0;
};

class ProgramControl {
  public:
    virtual ~ProgramControl() = default;
    // Hides every window and ends the program without running further events.
    virtual void endProgram() = 0;
};

} // namespace orvanel
