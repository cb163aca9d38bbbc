// The main panel: the desktop window's controls from the same table, in the page's reading
// order, in groups and columns that the style lays out for any width, and its handlers.
// Each handler reads the controls, lets the engine do the calculator's work, writes back what
// it returns and does what a window does: the pane, the message box, the focus.

/** @typedef {import('./engine.js').Engine} Engine */
/** @typedef {import('./engine.js').PageDescription} PageDescription */
/** @typedef {import('./engine.js').Control} Control */
/** @typedef {import('./engine.js').Fields} Fields */
/** @typedef {import('./engine.js').Outcome} Outcome */
/** @typedef {import('./engine.js').NumberFormat} NumberFormat */

import { Pane } from './pane.js';

const ENTER = 'Enter';
const FOCUSABLE = 'input, button, select, textarea, a, [contenteditable]';

/**
 * The regional number settings of a language, as the desktop takes them from the system.
 * @param {string} language
 * @returns {NumberFormat}
 */
export function NumberFormatOf(language) {
  // The browser's first number format loads its locale data, a tenth of a second on a slow
  // phone: a returning visit takes the answer it kept.
  const key = `orvanel-number-format-${language}`;
  try {
    const kept = JSON.parse(localStorage.getItem(key) ?? 'null');
    if (kept && typeof kept.decimal === 'string' && typeof kept.group === 'string' && typeof kept.minus === 'string') return kept;
  } catch { /* no storage, or not ours: ask the browser */ }
  const parts = new Intl.NumberFormat(language, { useGrouping: true }).formatToParts(-12345.5);
  const part = (/** @type {string} */ type, /** @type {string} */ fallback) =>
    parts.find((p) => p.type === type)?.value ?? fallback;
  const format = { decimal: part('decimal', '.'), group: part('group', ''), minus: part('minusSign', '-') };
  try {
    localStorage.setItem(key, JSON.stringify(format));
  } catch { /* storage full or refused: asked again next time */ }
  return format;
}

/**
 * @template {HTMLElement} T
 * @param {string} id
 * @returns {T}
 */
function byId(id) {
  return /** @type {T} */ (document.getElementById(id));
}

/**
 * One control of the table as an element.
 * @param {Control} c
 * @param {PageDescription} page
 * @returns {HTMLElement}
 */
function NewControl(c, page) {
  /** @type {HTMLElement} */
  let element;
  let target = null; // the focusable part, where it is not the placed element itself
  switch (c.kind) {
    case 'frame':
      element = document.createElement('div');
      break;
    case 'label': {
      const label = document.createElement('label');
      label.htmlFor = c.labels;
      label.textContent = c.caption;
      element = label;
      break;
    }
    case 'sign': {
      // Two texts from the engine: the sign as seen, and as a screen reader says it. A field the
      // model names is described by it; a change of sign is announced by the handler that
      // made it, so that a conversion is heard once, as its result line.
      element = document.createElement('span');
      const seen = document.createElement('span');
      seen.setAttribute('aria-hidden', 'true');
      const heard = document.createElement('span');
      heard.className = 'visually-hidden';
      heard.id = `${c.name}Spoken`;
      element.append(seen, heard);
      break;
    }
    case 'field': {
      const input = document.createElement('input');
      input.style.setProperty('--length', String(c.maxLength));
      Object.assign(input, { type: 'text', maxLength: c.maxLength, spellcheck: false, autocomplete: 'off',
        inputMode: c.inputMode ?? 'text', enterKeyHint: c.enterKey ?? 'enter', autocapitalize: 'off' });
      input.setAttribute('autocorrect', 'off');
      if (c.describedBy) input.setAttribute('aria-describedby', `${c.describedBy}Spoken`);
      element = input;
      break;
    }
    case 'button':
      element = document.createElement('button');
      element.setAttribute('type', 'button');
      element.textContent = c.caption;
      break;
    case 'check':
    case 'option': {
      element = document.createElement('label');
      target = document.createElement('input');
      target.type = c.kind === 'check' ? 'checkbox' : 'radio';
      target.name = c.kind === 'option' ? 'decimalForm' : c.name;
      element.append(target, c.caption);
      break;
    }
    case 'list': {
      const list = document.createElement('select');
      list.append(...page.figures.map((f) => new Option(String(f))));
      list.selectedIndex = -1;
      element = list;
      break;
    }
    case 'pane':
      element = document.createElement('div');
      Object.assign(element, { contentEditable: 'true', spellcheck: false, tabIndex: 0 });
      element.setAttribute('role', 'textbox');
      element.setAttribute('aria-multiline', 'true');
      break;
    default: {
      const link = document.createElement('a');
      Object.assign(link, { href: page.url, target: '_blank', rel: 'noopener', textContent: page.notice });
      element = link;
    }
  }
  (target ?? element).id = c.name;
  if (c.accessibleName) (target ?? element).setAttribute('aria-label', c.accessibleName);
  element.classList.add(c.kind);
  return element;
}

export class MainPanel {
  /**
   * @param {Engine} engine
   * @param {NumberFormat} format
   * @param {{showHelp: (mainPanel: HTMLElement) => void, copy: (text: string) => Promise<boolean>}} services
   */
  constructor(engine, format, services) {
    this.engine = engine;
    this.format = format;
    this.services = services;
    this.page = engine.page();
    this.startUpCompleted = false;
    this.symbolFace = false;
    /** @type {string} */
    this.figures = '';
    /** @type {HTMLElement | null} */
    this.enterPressedIn = null;
    this.build();
    this.pane = new Pane(this.$('txbOutput'));
  }

  build() {
    const main = byId('frmMain');
    const columns = [1, 2].map((n) => {
      const column = document.createElement('div');
      column.className = `column column${n}`;
      main.append(column);
      return column;
    });
    /** @type {Map<string, HTMLElement>} */
    const groups = new Map();
    for (const group of this.page.groups) {
      const element = document.createElement('div');
      element.id = group.name;
      element.className = group.frame ? 'group frame' : 'group';
      columns[group.column - 1].append(element);
      groups.set(group.name, element);
    }
    /** @type {HTMLElement | null} */
    let unit = null;
    this.page.controls.forEach((control, i) => {
      if (control.unit !== this.page.controls[i - 1]?.unit) {
        unit = document.createElement('div');
        unit.className = 'unit';
        groups.get(control.group)?.append(unit);
      }
      unit?.append(NewControl(control, this.page));
    });
    this.wire();
  }

  /** @param {string} name @returns {any} */
  $(name) {
    return document.getElementById(name);
  }

  wire() {
    const click = (/** @type {string} */ name, /** @type {() => void} */ handler) =>
      this.$(name).addEventListener('click', handler);
    click('cmdClear0', () => this.clearOutput());
    click('cmdClear1', () => this.runCommand('clear'));
    click('cmdHelp', () => this.services.showHelp(byId('frmMain')));
    click('cmdRad2Deg', () => this.runCommand('rad2deg'));
    click('cmdDeg2Rad', () => this.runCommand('deg2rad'));
    click('cmdChangeSign', () => this.changeSign());
    ['add', 'sub', 'move'].forEach((command, i) => click(`cmdPlusMinus${i}`, () => this.runCommand(command)));
    click('chkDecimal', () => this.chkDecimal_Click());
    click('chkRoundToMinutes', () => this.chkRoundToMinutes_Click());
    click('cmdCopyOutput', () => this.copyOutput());
    this.$('cboDecimalPlaces').addEventListener('change', () => this.chooseFigures());
    // The copy button follows the pane's selection however it is made or lost.
    document.addEventListener('selectionchange', () => this.updateCopyButton());
    // A press on a greyed control, or on the window's face, leaves the focus where it was, as
    // in the window. (Greyed controls let presses through to what holds them; see style.css.)
    byId('frmMain').addEventListener('mousedown', (e) => {
      const target = /** @type {HTMLElement} */ (e.target);
      const label = target.closest('label');
      const control = /** @type {HTMLInputElement | null} */ (label ? label.control : target.closest(FOCUSABLE));
      if (!control || control.disabled) e.preventDefault();
    });
    for (const { name, enterCommand } of this.page.controls) {
      if (enterCommand) this.wireEnter(this.$(name), enterCommand);
    }
  }

  // Enter converts when it is released in the field it was pressed in, as in the window.
  /** @param {HTMLInputElement} field @param {string} command */
  wireEnter(field, command) {
    field.addEventListener('keydown', (e) => {
      if (!e.repeat) this.enterPressedIn = e.key === ENTER ? field : null;
    });
    field.addEventListener('keyup', (e) => {
      const paired = e.key === ENTER && this.enterPressedIn === field;
      this.enterPressedIn = null;
      if (paired) this.runCommand(command);
    });
    field.addEventListener('blur', () => { this.enterPressedIn = null; });
  }

  // The start-up sequence of the window: default options, the line for one radian, the focus
  // in the radians field, the precision "7".
  start() {
    this.startUpCompleted = false;
    document.title = this.page.title;
    byId('caption').textContent = this.page.title;
    byId('viewCaption').textContent = this.page.helpTitle;
    byId('txbText1').setAttribute('aria-label', this.page.helpTitle);
    this.setDefaultOptions();
    this.updateCopyButton();
    this.$('txbRadians').value = '1';
    this.runCommand('rad2deg');
    this.focusField(this.$('txbRadians'));
    this.$('cboDecimalPlaces').value = String(this.page.startFigures);
    this.chooseFigures();
    this.startUpCompleted = true;
  }

  setDefaultOptions() {
    this.runCommand('clear');
    this.$('chkRoundToMinutes').checked = false;
    Object.assign(this.$('optDecDegrees'), { checked: true, disabled: true });
    this.$('optDecMinutes').disabled = true;
    this.$('chkShowPlusMinus').checked = true;
    this.$('chkDecimal').checked = false;
    this.$('cboDecimalPlaces').selectedIndex = -1;
    this.figures = '';
  }

  chooseFigures() {
    this.figures = this.$('cboDecimalPlaces').value;
    if (this.startUpCompleted) this.focusField(this.$('txbRadians'));
  }

  chkDecimal_Click() {
    const decimal = this.$('chkDecimal').checked;
    this.$('chkRoundToMinutes').disabled = decimal;
    this.$('optDecDegrees').disabled = !decimal;
    this.$('optDecMinutes').disabled = !decimal;
    this.$('cmdRad2Deg').focus();
  }

  chkRoundToMinutes_Click() {
    this.$('chkDecimal').disabled = this.$('chkRoundToMinutes').checked;
    const decimal = this.$('chkDecimal').checked;
    this.$('optDecDegrees').disabled = !decimal;
    this.$('optDecMinutes').disabled = !decimal;
    this.$('cmdRad2Deg').focus();
  }

  changeSign() {
    this.symbolFace = true;
    this.runCommand('sign');
    byId('announcer').textContent = byId('lblSignSpoken').textContent ?? '';
  }

  /** @returns {Fields} */
  readFields() {
    const text = (/** @type {string} */ name) => this.$(name).value;
    return {
      radians: text('txbRadians'), toAdd: text('txbToAdd'), degrees: text('txbDegrees'),
      minutes: text('txbMinutes'), seconds: text('txbSeconds'), sign: this.$('lblSign').dataset.caption ?? '',
    };
  }

  /** @param {Outcome} outcome */
  writeFields({ fields, signSeen, signHeard }) {
    const names = { txbRadians: fields.radians, txbToAdd: fields.toAdd, txbDegrees: fields.degrees,
      txbMinutes: fields.minutes, txbSeconds: fields.seconds };
    for (const [name, text] of Object.entries(names)) {
      if (this.$(name).value !== text) this.$(name).value = text;
    }
    const sign = this.$('lblSign');
    sign.dataset.caption = fields.sign;
    const [seen, heard] = sign.children;
    seen.textContent = signSeen;
    heard.textContent = signHeard;
  }

  /** @param {string} command */
  runCommand(command) {
    /** @type {Outcome} */
    let outcome;
    try {
      outcome = this.engine.run(command, this.state());
    } catch (error) { // the engine could not read the request: said, and nothing is changed
      ShowMessage({ text: String(/** @type {Error} */ (error).message), title: this.page.title, style: 48 }, () => {});
      return;
    }
    this.writeFields(outcome);
    this.apply(outcome);
  }

  /** @returns {import('./engine.js').State} the controls as the engine reads them */
  state() {
    const deg2Rad = this.$('cmdDeg2Rad');
    return {
      fields: this.readFields(),
      figures: this.figures,
      options: {
        outputInDecimal: this.$('chkDecimal').checked,
        decimalDegrees: this.$('optDecDegrees').checked,
        roundToMinutes: this.$('chkRoundToMinutes').checked,
        showPlusMinus: this.$('chkShowPlusMinus').checked,
      },
      format: this.format,
      deg2RadFocusable: !deg2Rad.disabled && deg2Rad.offsetParent !== null,
      symbolFace: this.symbolFace,
    };
  }

  /** @param {Outcome} outcome */
  apply(outcome) {
    if (outcome.paneLine) this.appendLine(outcome.paneLine, outcome.paneCommas);
    const focus = () => {
      if (outcome.focus === 'cmdDeg2Rad') this.$('cmdDeg2Rad').focus();
      else if (outcome.focus) this.focusField(this.$(outcome.focus));
    };
    if (outcome.message) ShowMessage(outcome.message, focus);
    else focus();
  }

  /** @param {HTMLInputElement} field the field gets the focus with the caret at the end */
  focusField(field) {
    field.focus();
    field.setSelectionRange(field.value.length, field.value.length);
  }

  /** @param {string} line @param {boolean} pointsToCommas */
  appendLine(line, pointsToCommas) {
    this.pane.append(line, pointsToCommas);
    byId('announcer').textContent = line; // a screen reader hears each new result
  }

  clearOutput() {
    this.pane.clear();
  }

  updateCopyButton() {
    const selected = this.pane.hasSelection();
    const { copy } = this.page;
    const button = this.$('cmdCopyOutput');
    const caption = selected ? copy.selectionCaption : copy.caption;
    if (button.textContent !== caption) button.textContent = caption; // moves with every caret step
  }

  // Copies the selection, or the whole pane, with the line ends of the desktop's clipboard.
  async copyOutput() {
    const text = this.pane.selection() || this.pane.text();
    if (!(await this.services.copy(text.replaceAll('\n', '\r\n')))) return;
    if (this.pane.selection()) document.getSelection()?.collapseToStart();
    this.updateCopyButton();
  }
}

/**
 * A message box: its text and title, OK focused; Enter, Space or Escape close it, and the
 * focus then goes where the command sends it.
 * @param {{text: string, title: string, style: number}} message
 * @param {() => void} then
 */
export function ShowMessage(message, then) {
  const box = /** @type {HTMLDialogElement} */ (byId('msgBox'));
  byId('msgTitle').textContent = message.title;
  byId('msgText').textContent = message.text;
  byId('msgIcon').textContent = message.style === 64 ? 'i' : '!';
  box.addEventListener('close', then, { once: true });
  box.showModal();
  byId('msgOk').focus();
}
