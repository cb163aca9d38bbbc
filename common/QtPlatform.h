#pragma once
// The real desktop behind the interfaces of Platform.h.

#include "Platform.h"

class QLocale;

namespace orvanel {

class QtMessageSink final : public MessageSink {
  public:
    void show(QWidget* owner, const Message& message) override;
};

class QtClipboard final : public Clipboard {
  public:
    bool putText(const QString& text) override;
};

class QtUrlOpener final : public UrlOpener {
  public:
    int open(const QString& url) override;
};

class QtScreenInfo final : public ScreenInfo {
  public:
    QSize size() const override;
};

class QtProgramControl final : public ProgramControl {
  public:
    void endProgram() override;
};

// Decimal point, grouping, minus sign and default decimals of a locale, for FormatFixed.
NumberFormat RegionalNumberFormat(const QLocale& locale);

} // namespace orvanel
