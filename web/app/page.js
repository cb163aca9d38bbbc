// The main panel: the desktop window's controls from the same table, in the page's reading
// order, in groups and columns that the style lays out for any width, and its handlers.
// Each handler hands the window's model (in the engine) its event with the controls' state,
// shows the state it answers and does what a window does: the pane, the message box, the focus.

/** @typedef {import('./engine.js').Engine} Engine */
/** @typedef {import('./engine.js').PageDescription} PageDescription */
/** @typedef {import('./engine.js').Control} Control */
/** @typedef {import('./engine.js').State} State */
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

const flag = (/** @type {boolean} */ on) => (on ? '1' : '0');

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
    /** @type {State} what the window's model keeps that no control shows, as it last answered */
    this.kept = Object.fromEntries(this.page.kept.map(([key, value]) => [key, value]));
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
    click('cmdClear0', () => this.pane.clear());
    click('cmdClear1', () => this.handle('clear'));
    click('cmdHelp', () => this.services.showHelp(byId('frmMain')));
    click('cmdRad2Deg', () => this.handle('rad2deg'));
    click('cmdDeg2Rad', () => this.handle('deg2rad'));
    click('cmdChangeSign', () => this.changeSign());
    ['add', 'sub', 'move'].forEach((command, i) => click(`cmdPlusMinus${i}`, () => this.handle(command)));
    click('chkDecimal', () => this.handle('decimalClick'));
    click('chkRoundToMinutes', () => this.handle('roundClick'));
    click('cmdCopyOutput', () => this.copyOutput());
    this.$('cboDecimalPlaces').addEventListener('change', () => {
      this.kept.figures = this.$('cboDecimalPlaces').value;
      this.handle('figures');
    });
    // The copy button follows the pane's selection however it is made or lost.
    document.addEventListener('selectionchange', () => this.handle('selection'));
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
      if (paired) this.handle(command);
    });
    field.addEventListener('blur', () => { this.enterPressedIn = null; });
  }

  // Start-up: the captions, then the window's model sets every control and the first line.
  start() {
    document.title = this.page.title;
    byId('caption').textContent = this.page.title;
    byId('viewCaption').textContent = this.page.helpTitle;
    byId('txbText1').setAttribute('aria-label', this.page.helpTitle);
    this.handle('load');
  }

  changeSign() {
    this.handle('sign');
    byId('announcer').textContent = byId('lblSignSpoken').textContent ?? '';
  }

  /**
   * Hands the window's model an event with the controls' state, shows the state it answers
   * and does what it asks.
   * @param {string} command
   */
  handle(command) {
    const sent = this.state();
    /** @type {Map<string, string>} */
    let answer;
    try {
      answer = this.engine.run(command, sent);
    } catch (error) { // the engine could not read the request: said, and nothing is changed
      ShowMessage({ text: String(/** @type {Error} */ (error).message), title: this.page.title, style: 48 }, () => {});
      return;
    }
    this.show(answer, sent);
    this.apply(answer);
  }

  /** @returns {State} the controls and what the model keeps, as the engine reads them */
  state() {
    /** @type {State} */
    const state = { ...this.kept };
    for (const { name, state: keys } of this.page.controls) {
      const control = this.$(name);
      if (keys?.text) state[keys.text] = control.value;
      if (keys?.checked) state[keys.checked] = flag(control.checked);
      if (keys?.enabled) state[keys.enabled] = flag(!control.disabled);
    }
    const focusable = (/** @type {HTMLButtonElement} */ button) => flag(!button.disabled && button.offsetParent !== null);
    return Object.assign(state, {
      sign: this.$('lblSign').dataset.caption ?? '', paneHasSelection: flag(this.pane.hasSelection()),
      deg2RadFocusable: focusable(this.$('cmdDeg2Rad')), rad2DegFocusable: focusable(this.$('cmdRad2Deg')),
      decimal: this.format.decimal, group: this.format.group, minus: this.format.minus,
    });
  }

  /** @param {Map<string, string>} answer @param {State} sent */
  show(answer, sent) {
    const get = (/** @type {string} */ key) => answer.get(key) ?? '';
    for (const { name, state: keys } of this.page.controls) {
      const control = this.$(name);
      if (keys?.text && control.value !== get(keys.text)) control.value = get(keys.text);
      if (keys?.checked) control.checked = get(keys.checked) === '1';
      if (keys?.enabled) control.disabled = get(keys.enabled) !== '1';
    }
    const sign = this.$('lblSign');
    sign.dataset.caption = get('sign');
    const [seen, heard] = sign.children;
    seen.textContent = get('signSeen');
    heard.textContent = get('signHeard');
    // The list is set only where the model chose: an entry typed but not chosen stays.
    if (get('figures') !== sent.figures) this.$('cboDecimalPlaces').value = get('figures');
    for (const key of Object.keys(this.kept)) this.kept[key] = get(key);
    const button = this.$('cmdCopyOutput');
    if (button.textContent !== get('copyCaption')) button.textContent = get('copyCaption'); // moves with every caret step
  }

  /** @param {Map<string, string>} answer */
  apply(answer) {
    const get = (/** @type {string} */ key) => answer.get(key) ?? '';
    if (get('paneLine')) {
      this.pane.append(get('paneLine'), get('paneCommas') === '1');
      byId('announcer').textContent = get('paneLine'); // a screen reader hears each new result
    }
    const focus = () => {
      const target = get('focus') ? this.$(get('focus')) : null;
      if (target instanceof HTMLInputElement) this.focusField(target);
      else target?.focus();
    };
    if (get('messageStyle')) {
      ShowMessage({ text: get('messageText'), title: get('messageTitle'), style: Number(get('messageStyle')) }, focus);
    } else {
      focus();
    }
  }

  /** @param {HTMLInputElement} field the field gets the focus with the caret at the end */
  focusField(field) {
    field.focus();
    field.setSelectionRange(field.value.length, field.value.length);
  }

  // Copies the selection, or the whole pane, with the line ends of the desktop's clipboard.
  async copyOutput() {
    const text = this.pane.selection() || this.pane.text();
    if (!(await this.services.copy(text.replaceAll('\n', '\r\n')))) return;
    if (this.pane.selection()) document.getSelection()?.collapseToStart();
    this.handle('selection');
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
