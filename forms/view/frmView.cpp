#include "frmView.h"

#include "ViewerMessages.h"

#include "Controls.h"
#include "Platform.h"
#include "TextFileSource.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvanel {
namespace {

constexpr int kMinWidthTwips = 8000;
constexpr int kMinHeightTwips = 2000;
constexpr int kCopyWidthTwips = 3270;
constexpr int kCopySelectionWidthTwips = 4425;

const QString kHeader =
    QStringLiteral("NOTE: This file is too large to display entirely in this textbox.\r\n"
                   "To view the entire contents of the file load it into NotePad,\r\n"
                   "WordPad or some other text editor.\r\n\r\n");
const QString kTrailer =
    QStringLiteral("NOTE: Entire contents of file have not been displayed.\r\n");

} // namespace

frmView::frmView(TextFileSource& files, MessageSink& messages, Clipboard& clipboard)
    : m_files(files), m_messages(messages), m_clipboard(clipboard),
      txbText1(new QPlainTextEdit(this)), cmdClose(new QPushButton(this)),
      cmdCopyToClipboard(new CopyButton(this, kCopyWidthTwips, kCopySelectionWidthTwips)) {
    setObjectName(QStringLiteral("frmView"));
    setWindowTitle(QStringLiteral("Viewing"));
    setFont(QFont(QStringLiteral("Arial"), 10));
    resize(Px(11670), Px(6585));

    txbText1->setObjectName(QStringLiteral("txbText1"));
    txbText1->setGeometry(TwipsRect(105, 105, 11460, 5760));
    makeTextReadOnly();
    txbText1->setTabChangesFocus(true);
    txbText1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const QFont tahoma(QStringLiteral("Tahoma"), 10);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(TwipsRect(9825, 6000, 1740, 330));
    cmdClose->setText(QStringLiteral("Close"));
    cmdClose->setFont(tahoma);
    cmdCopyToClipboard->setObjectName(QStringLiteral("cmdCopyToClipboard"));
    cmdCopyToClipboard->setGeometry(TwipsRect(120, 6000, 2220, 330));
    cmdCopyToClipboard->setFont(tahoma);
    setTabOrder(txbText1, cmdClose);
    setTabOrder(cmdClose, cmdCopyToClipboard);

    connect(cmdClose, &QPushButton::clicked, this, &frmView::cmdClose_Click);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmView::cmdCopyToClipboard_Click);
    connect(txbText1, &QPlainTextEdit::selectionChanged, this, &frmView::txbText1_SelectionChange);
    LetEnterPressButtons(this);
}

QString frmView::DisplayedText(const QString& fileText) {
    if (fileText.size() < kTextLimit) {
        return fileText;
    }
    const qsizetype shown = kTextLimit - kHeader.size() - kTrailer.size();
    return kHeader + fileText.left(shown) + QStringLiteral("\r\n\r\n") + kTrailer;
}

void frmView::Form_Activate() {
    // The error message below is modal; closing it activates this window again, which must not
    // read the file (and report it) a second time.
    if (!m_viewer.showReads()) {
        return;
    }
    cmdClose->setText(QStringLiteral("Close"));
    showText(QString());
    cmdCopyToClipboard->showSelection(false);
    cmdCopyToClipboard->setVisible(!blnCopyToClipboardInvisible);
    if (!blnCopyToClipboardInvisible) {
        cmdCopyToClipboard->setEnabled(true);
    }
    makeTextReadOnly();
    Form_Resize();

    const FileText file = m_files.read(strFilename, kTextLimit);
    if (file.status == FileText::Status::Read) {
        showText(DisplayedText(file.text));
        txbText1->moveCursor(QTextCursor::Start);
        txbText1->repaint();
    } else {
        const std::string description = file.description.toStdString();
        m_messages.show(this, file.status == FileText::Status::Empty
                                  ? EmptyFileMessage()
                                  : FileErrorMessage({file.errorNumber, description}));
        hide();
    }
    m_viewer.readDone(file.status == FileText::Status::Read);
}

void frmView::Form_Resize() {
    if (isMinimized()) {
        return;
    }
    // The limits apply to the outer size, frame and title bar included.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize minimum(Px(kMinWidthTwips), Px(kMinHeightTwips));
    if (frameGeometry().width() < minimum.width() || frameGeometry().height() < minimum.height()) {
        resize(std::max(width(), minimum.width() - frame.width()),
               std::max(height(), minimum.height() - frame.height()));
    }
    // Laid out on the client area with the margins of the design.
    const int textWidth = width() - Px(11670 - 11460);
    const int textHeight = height() - Px(6585 - 5760);
    txbText1->setGeometry(Px(105), Px(105), std::max(textWidth, 0), std::max(textHeight, 0));
    const int buttonTop = txbText1->y() + txbText1->height() + Px(100);
    cmdCopyToClipboard->move(txbText1->x(), buttonTop);
    cmdClose->move(txbText1->x() + txbText1->width() - cmdClose->width(), buttonTop);
}

void frmView::Form_Unload() {
    m_viewer.unload();
    showText(QString()); // an unloaded window keeps nothing of its text
    cmdClose_Click();
}

// As the main window's copy button: it follows the selection however it is made.
void frmView::txbText1_SelectionChange() {
    if (!cmdCopyToClipboard->isVisible() || !cmdCopyToClipboard->isEnabled()) {
        return;
    }
    cmdCopyToClipboard->showSelection(txbText1->textCursor().hasSelection());
}

void frmView::cmdCopyToClipboard_Click() {
    if (!m_text.isEmpty()) {
        const QTextCursor cursor = txbText1->textCursor();
        QString text = m_text;
        if (cursor.hasSelection()) {
            // The selection goes out with the line breaks of the file it came from.
            const QString lineBreak = m_text.contains(CrLf()) ? CrLf() : QStringLiteral("\n");
            text = WithLineBreaks(cursor.selectedText(), lineBreak);
        }
        if (m_clipboard.putText(text)) {
            cmdCopyToClipboard->showSelection(false);
        }
    }
    cmdClose->setFocus();
}

void frmView::cmdClose_Click() {
    hide();
}

bool frmView::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return handled;
}

void frmView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmView::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange) {
        txbText1->setAccessibleName(windowTitle()); // the text box is read as what it shows
    }
}

void frmView::showText(const QString& text) {
    m_text = text;
    txbText1->setPlainText(WithLf(text));
}

// Read-only, but selectable (and copyable) from the keyboard as well as with the mouse.
// setReadOnly resets the interaction flags, so both are always set together.
void frmView::makeTextReadOnly() {
    txbText1->setReadOnly(true);
    txbText1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

} // namespace orvanel
