// The Help viewer: the help text in a panel under the main panel, as the viewer window is
// placed under the main window. It is read when it is first shown and kept; Close hides it.

export class Viewer {
  /** @param {() => Promise<string>} readHelp */
  constructor(readHelp) {
    this.readHelp = readHelp;
    this.read = false;
    this.panel = /** @type {HTMLElement} */ (document.getElementById('frmView'));
    this.text = /** @type {HTMLTextAreaElement} */ (document.getElementById('txbText1'));
    document.getElementById('cmdClose')?.addEventListener('click', () => this.close());
  }

  /** @param {HTMLElement} mainPanel the viewer takes its width */
  async show(mainPanel) {
    if (!this.read) {
      this.read = true;
      this.text.value = await this.readHelp().catch(() => ''); // nothing to show: an empty viewer
      this.text.setSelectionRange(0, 0);
    }
    this.panel.style.width = `${mainPanel.offsetWidth}px`;
    this.panel.hidden = false;
    this.text.focus();
    this.text.scrollTop = 0;
  }

  close() {
    this.panel.hidden = true;
    document.getElementById('cmdHelp')?.focus();
  }
}
