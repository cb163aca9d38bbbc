#pragma once
// Stand-ins for the desktop services: they record what the windows ask of them.

#include "Platform.h"
#include <QTest>

#include <QApplication>
#include <QStringList>

#include <vector>

namespace orvanel::testing {

struct RecordingMessages final : MessageSink {
    std::vector<Message> shown;
    void show(QWidget*, const Message& message) override { shown.push_back(message); }
};

struct FakeClipboard final : Clipboard {
    QString text = QStringLiteral("copied in another program");
    int writes = 0;
    bool available = true;
    bool putText(const QString& value) override {
        if (!available) {
            return false;
        }
        ++writes;
        text = value;
        return true;
    }
};

struct FakeUrlOpener final : UrlOpener {
    int code = 42;
    QStringList opened;
    int open(const QString& url) override {
        opened << url;
        return code;
    }
};

struct FakeScreen final : ScreenInfo {
    QSize size() const override { return {1280, 720}; }
};

struct FakeProgram final : ProgramControl {
    int ended = 0;
    void endProgram() override { ++ended; }
};

// Every desktop service a window needs, faked.
struct FakeDesktop {
    RecordingMessages messages;
    FakeClipboard clipboard;
    FakeUrlOpener urls;
    FakeScreen screen;
    FakeProgram program;
};

// Presses the left button at `from`, moves to `to` and releases it there: a drag, or a click
// when the two points are the same.
inline void Drag(QWidget* viewport, QPoint from, QPoint to) {
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

template <typename TestObject> int RunTests(int argc, char** argv) {
    TestObject tests;
    return QTest::qExec(&tests, argc, argv);
}

// Runs Qt Test objects on the offscreen platform unless a platform was chosen.
template <typename... TestObjects> int RunWindowTests(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    return (RunTests<TestObjects>(argc, argv) + ...);
}

} // namespace orvanel::testing
