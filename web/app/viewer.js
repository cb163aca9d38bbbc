// The Help viewer: the help text in a panel under the main panel, as the viewer window is
// placed under the main window. The viewer's model, in the engine, says when to read it: at
// the first show, and kept after. A help text that cannot be read is said with the window's
// message, and the viewer stays hidden. The panel has no close box to unload it, so it asks
// the model to read again after a failed read: the next Help tries again, as a page can come
// back online. Close hides it.

import { VIEWER_EVENTS } from './protocol.js';

/** @typedef {import('./protocol.js').Message} Message */
/** @typedef {import('./protocol.js').HelpErrors} HelpErrors */
/** @typedef {import('./engine.js').Engine} Engine */

/** A failed read of the help text: `missing` when the file is not there. */
export class HelpMissing extends Error {}

export class Viewer {
  /**
   * @param {() => Promise<string>} readHelp
   * @param {HelpErrors} errors what the window says
   * @param {(message: Message, then: () => void) => void} showMessage
   * @param {Engine} engine where the viewer's model is
   */
  constructor(readHelp, errors, showMessage, engine) {
    this.readHelp = readHelp;
    this.errors = errors;
    this.showMessage = showMessage;
    this.engine = engine;
    engine.viewer(VIEWER_EVENTS.load, { readAgain: true });
    this.panel = /** @type {HTMLElement} */ (document.getElementById('frmView'));
    this.text = /** @type {HTMLTextAreaElement} */ (document.getElementById('txbText1'));
    document.getElementById('cmdClose')?.addEventListener('click', () => this.close());
  }

  /** @param {HTMLElement} mainPanel the viewer takes its width */
  async show(mainPanel) {
    if (this.engine.viewer(VIEWER_EVENTS.show)) {
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
      this.engine.viewer(VIEWER_EVENTS.read, { read: true });
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
    this.engine.viewer(VIEWER_EVENTS.read, { read: false });
    this.panel.hidden = true;
    this.showMessage(message, () => document.getElementById('cmdHelp')?.focus());
  }

  close() {
    this.panel.hidden = true;
    document.getElementById('cmdHelp')?.focus();
  }
}
