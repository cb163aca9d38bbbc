#pragma once
// A resizable window that shows one plain-text file read-only, with a Close button and an
// optional copy button. Callers set strFilename, the caption and blnCopyToClipboardInvisible,
// then show it; the file is read the first time the window becomes active after being loaded,
// and again only after the window was closed through its title-bar close box.

#include "Viewer.h"

#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

class QPushButton;

namespace orvanel {

class Clipboard;
class CopyButton;
class MessageSink;
class TextFileSource;

class frmView : public QWidget {
    Q_OBJECT

  public:
    frmView(TextFileSource& files, MessageSink& messages, Clipboard& clipboard);

    QString strFilename;
    bool blnCopyToClipboardInvisible = false;

    // Header, the first characters of the file, an empty line and the trailer, for a file of
    // kTextLimit characters or more; the file's text unchanged otherwise.
    static QString DisplayedText(const QString& fileText);
    static constexpr qsizetype kTextLimit = 65530;

    QString displayedText() const { return m_text; }

    void Form_Activate();
    void Form_Resize();
    void Form_Unload();
    void txbText1_SelectionChange();
    void cmdCopyToClipboard_Click();
    void cmdClose_Click();

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void showText(const QString& text);
    void makeTextReadOnly();

    TextFileSource& m_files;
    MessageSink& m_messages;
    Clipboard& m_clipboard;
    // When the file is read; a failed read counts as displayed until the close box unloads
    // the window.
    viewer::Viewer m_viewer{viewer::AfterFailedRead::CountAsDisplayed};
    QString m_text; // what the text box shows, line breaks as in the file

    QPlainTextEdit* txbText1;
    QPushButton* cmdClose;
    CopyButton* cmdCopyToClipboard;
};

} // namespace orvanel
