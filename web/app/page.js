// The main panel: the desktop window's controls from the same table, in the page's reading
// order, in groups and columns that the style lays out for any width. The window's model, in
// the engine, says which gestures each control reports; the panel hands each to the model with
// what the user changed by hand, shows the state it answers and does what a window does: the
// pane, the clipboard, the viewer, the message box, the focus.

/** @typedef {import('./engine.js').Engine} Engine */
/** @typedef {import('./protocol.js').PageDescription} PageDescription */
/** @typedef {import('./protocol.js').Control} Control */
/** @typedef {import('./protocol.js').Format} NumberFormat */
/** @typedef {import('./protocol.js').Input} Input */
/** @typedef {import('./protocol.js').Edits} Edits */
/** @typedef {import('./protocol.js').WindowAnswer} WindowAnswer */
/** @typedef {import('./protocol.js').Copy} Copy */
/** @typedef {import('./protocol.js').Message} Message */

import { Pane } from './pane.js';
import { COMMANDS, EDITS, GESTURES } from './protocol.js';

/** The browser's event for each gesture a control reports (the pane's selection is the document's). @type {Record<string, string>} */
const DOM_EVENTS = { [GESTURES.click]: 'click', [GESTURES.choose]: 'change', [GESTURES.keyDown]: 'keydown',
  [GESTURES.keyUp]: 'keyup', [GESTURES.leaveField]: 'blur' };
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

  // Each control reports the gestures the model names for it.
  wire() {
    for (const { name, gestures } of this.page.controls) {
      for (const gesture of gestures) {
        const send = (/** @type {Partial<Input>} */ details) => this.input({ control: name, gesture, keyCode: 0, repeat: false, entry: -1, ...details });
        if (gesture === GESTURES.selectionChange) {
          document.addEventListener('selectionchange', () => send({})); // however it is made or lost
        } else {
          this.$(name).addEventListener(DOM_EVENTS[gesture], (/** @type {KeyboardEvent} */ e) => send({
            keyCode: e.keyCode ?? 0, repeat: e.repeat ?? false, entry: this.$(name).selectedIndex ?? -1,
          }));
        }
      }
    }
    // A press on a greyed control, or on the window's face, leaves the focus where it was, as
    // in the window. (Greyed controls let presses through to what holds them; see style.css.)
    byId('frmMain').addEventListener('mousedown', (e) => {
      const target = /** @type {HTMLElement} */ (e.target);
      const label = target.closest('label');
      const control = /** @type {HTMLInputElement | null} */ (label ? label.control : target.closest(FOCUSABLE));
      if (!control || control.disabled) e.preventDefault();
    });
  }

  // Start-up: the captions, then the window's model sets every control and the first line.
  start() {
    document.title = this.page.title;
    byId('caption').textContent = this.page.title;
    byId('viewCaption').textContent = this.page.helpTitle;
    byId('txbText1').setAttribute('aria-label', this.page.helpTitle);
    this.answer(() => this.engine.start(this.format));
  }

  /** @param {Input} input hands the window's model an input with the controls' edits */
  input(input) {
    const focusable = (/** @type {HTMLButtonElement} */ button) => !button.disabled && button.offsetParent !== null;
    this.answer(() => this.engine.input(input, this.edits(),
      { deg2Rad: focusable(this.$('cmdDeg2Rad')), rad2Deg: focusable(this.$('cmdRad2Deg')) }));
  }

  /**
   * Shows the state the model answers and does what it asks.
   * @param {() => WindowAnswer} ask
   */
  answer(ask) {
    /** @type {WindowAnswer} */
    let answer;
    try {
      answer = ask();
    } catch (error) { // the engine could not read the request: said, and nothing is changed
      ShowMessage({ text: `the engine refused a request: ${/** @type {Error} */ (error).message}`, title: this.page.title, style: 48 }, () => {});
      return;
    }
    this.show(answer);
    this.carryOut(answer);
  }

  /** @returns {Edits} what the user changed by hand, as the model's table names it */
  edits() {
    /** @type {Edits} */
    const edits = { texts: {}, checks: {}, selection: false };
    for (const { name, edit } of this.page.controls) {
      if (edit === EDITS.text) edits.texts[name] = this.$(name).value;
      else if (edit === EDITS.checked) edits.checks[name] = this.$(name).checked;
      else if (edit === EDITS.selection) edits.selection = this.pane.hasSelection();
    }
    return edits;
  }

  /** @param {WindowAnswer} answer */
  show(answer) {
    for (const { control: name, text, checked, enabled } of answer.controls) {
      const control = this.$(name);
      if (text !== undefined && control instanceof HTMLInputElement) {
        if (control.value !== text) control.value = text;
      } else if (text !== undefined && control.textContent !== text) {
        control.textContent = text; // the copy button's caption moves with every caret step
      }
      if (checked !== undefined) control.checked = checked;
      if (enabled !== undefined) control.disabled = !enabled;
    }
    const [seen, heard] = this.$('lblSign').children;
    seen.textContent = answer.sign.seen;
    heard.textContent = answer.sign.heard;
    if (answer.listEntry !== undefined) this.$('cboDecimalPlaces').selectedIndex = answer.listEntry;
  }

  /** @param {WindowAnswer} answer */
  carryOut(answer) {
    if (answer.command === COMMANDS.clearPane) this.pane.clear();
    else if (answer.command === COMMANDS.showHelp) this.services.showHelp(byId('frmMain'));
    else if (answer.command === COMMANDS.copyPane && answer.copy) this.copyPane(answer.copy);
    // openPublisher: the notice is a link, which the browser opens itself.
    if (answer.line) this.pane.append(answer.line, answer.commas);
    if (answer.announce) byId('announcer').textContent = answer.announce; // heard once
    const focus = () => {
      const target = answer.focus ? this.$(answer.focus) : null;
      if (target instanceof HTMLInputElement) this.focusField(target);
      else target?.focus();
    };
    if (answer.message) ShowMessage(answer.message, focus);
    else focus();
  }

  /** @param {HTMLInputElement} field the field gets the focus with the caret at the end */
  focusField(field) {
    field.focus();
    field.setSelectionRange(field.value.length, field.value.length);
  }

  /** @param {Copy} rule what the copy takes and how it leaves, as the model says */
  async copyPane(rule) {
    const selection = rule.selectionFirst ? this.pane.selection() : '';
    const text = selection || this.pane.text();
    if (!(await this.services.copy(text.replaceAll('\n', rule.lineEnd)))) return;
    if (rule.collapseAfter && selection) document.getSelection()?.collapseToStart();
  }
}

/**
 * A message box: its text and title, OK focused; Enter, Space or Escape close it, and the
 * focus then goes where the command sends it.
 * @param {Message} message
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
