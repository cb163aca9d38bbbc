// The Help viewer: the help text in a panel under the main panel, as the viewer window is
// placed under the main window. It is read when it is first shown and kept; Close hides it.
// A help text that cannot be read is said with the window's message, and the viewer stays
// hidden; the next Help tries again.

/** @typedef {{text: string, title: string, style: number}} Message */

/** A failed read of the help text: `missing` when the file is not there. */
export class HelpMissing extends Error {}

export class Viewer {
  /**
   * @param {() => Promise<string>} readHelp
   * @param {{missing: Message, other: Message, empty: Message}} errors what the window says
   * @param {(message: Message, then: () => void) => void} showMessage
   */
  constructor(readHelp, errors, showMessage) {
    this.readHelp = readHelp;
    this.errors = errors;
    this.showMessage = showMessage;
    this.read = false;
    this.panel = /** @type {HTMLElement} */ (document.getElementById('frmView'));
    this.text = /** @type {HTMLTextAreaElement} */ (document.getElementById('txbText1'));
    document.getElementById('cmdClose')?.addEventListener('click', () => this.close());
  }

  /** @param {HTMLElement} mainPanel the viewer takes its width */
  async show(mainPanel) {
    if (!this.read) {
      /** @type {string} */
      let text;
      try {
        text = await this.readHelp();
      } catch (error) {
        this.refuse(error instanceof HelpMissing ? this.errors.missing : this.errors.other);
        return;
      }
      if (!text) {
        this.refuse(this.errors.empty);
        return;
      }
      this.read = true;
      this.text.value = text;
      this.text.setSelectionRange(0, 0);
    }
    this.panel.style.width = `${mainPanel.offsetWidth}px`;
    this.panel.hidden = false;
    this.text.focus();
    this.text.scrollTop = 0;
  }

  /** @param {Message} message */
  refuse(message) {
    this.panel.hidden = true;
    this.showMessage(message, () => document.getElementById('cmdHelp')?.focus());
  }

  close() {
    this.panel.hidden = true;
    document.getElementById('cmdHelp')?.focus();
  }
}
