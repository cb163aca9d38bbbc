// The results pane: an editable text of one line per result. Lines sit in blocks of blocks, at
// most FANOUT to a block, so that adding a line lays out only the last block of each level: the
// cost of an append does not grow with the lines already there.

const FANOUT = 64;
const LEVELS = 3; // room for 64^3 lines before the top level grows past FANOUT

export class Pane {
  /** @param {HTMLElement} element the editable box */
  constructor(element) {
    this.element = element;
    this.mayHoldPoint = false;
    element.addEventListener('input', () => { this.mayHoldPoint = true; }); // the user's own text
  }

  /** The pane's text, a line end after each line. */
  text() {
    return this.element.innerText.replace(/\n?$/, this.element.textContent ? '\n' : '');
  }

  /** Whether text in the pane is selected: asked at every caret step, so it reads no text. */
  hasSelection() {
    const selection = document.getSelection();
    return Boolean(selection && !selection.isCollapsed && this.element.contains(selection.anchorNode));
  }

  /** The text selected in the pane, or nothing. */
  selection() {
    return this.hasSelection() ? String(document.getSelection()) : '';
  }

  /** @param {string} line @param {boolean} pointsToCommas */
  append(line, pointsToCommas) {
    if (pointsToCommas) this.pointsToCommas();
    const block = document.createElement('div');
    block.textContent = line;
    this.lastBlock(LEVELS).append(block);
    this.mayHoldPoint ||= line.includes('.');
    this.element.scrollTop = this.element.scrollHeight;
  }

  clear() {
    this.element.replaceChildren();
    this.mayHoldPoint = false;
  }

  /** @param {number} level @returns {HTMLElement} the block a new item of that level goes in */
  lastBlock(level) {
    if (level === 1) return this.element;
    const parent = this.lastBlock(level - 1);
    const last = /** @type {HTMLElement | null} */ (parent.lastElementChild);
    if (last && last.dataset.level === String(level) && last.childElementCount < FANOUT) return last;
    const block = document.createElement('div');
    block.dataset.level = String(level);
    parent.append(block);
    return block;
  }

  pointsToCommas() {
    if (!this.mayHoldPoint) return;
    const walker = document.createTreeWalker(this.element, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      if (node.nodeValue?.includes('.')) node.nodeValue = node.nodeValue.replaceAll('.', ',');
    }
    this.mayHoldPoint = false;
  }
}
