#include "QtPlatform.h"

#include "Controls.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace orvanel {
void QtMessageSink::show(QWidget* owner, const Message& message) {
    QMessageBox box(message.style == MessageStyle::Information ? QMessageBox::Information
                                                               : QMessageBox::Warning,
                    QString::fromStdString(message.title),
                    WithLf(QString::fromStdString(message.text)), QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtClipboard::putText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    clipboard->setText(text);
    return true;
}

int QtUrlOpener::open(const QString& url) {
    constexpr int kOpened = 42;        // any value above 32 means success
    constexpr int kNoAssociation = 31; // no application handles this kind of address
    return QDesktopServices::openUrl(QUrl(url)) ? kOpened : kNoAssociation;
}

QSize QtScreenInfo::size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize(1280, 720);
}

void QtProgramControl::endProgram() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

NumberFormat RegionalNumberFormat(const QLocale& locale) {
    NumberFormat format;
    format.decimalSeparator = locale.decimalPoint().toStdString();
    format.groupSeparator = locale.groupSeparator().toStdString();
    format.negativeSign = locale.negativeSign().toStdString();
    if (locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)) {
        format.groupSize = 0;
    }
    return format; // default decimals and the leading zero as NumberFormat has them
}

} // namespace orvanel
