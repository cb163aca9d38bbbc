// "Convert a file": orvanel-cli's commands over a pasted text or a file, run in a worker on
// this computer. The page only gathers the options as the words of a command line and shows
// what the worker reports; the engine reads the words, the rows and the cells.

/** @typedef {import('./engine.js').Engine} Engine */
/** @typedef {import('./engine.js').PageDescription} PageDescription */

const PREVIEW_BYTES = 1 << 16;
const FIRST_LINES = 20;

/** @param {string} id @returns {any} */
const $ = (id) => document.getElementById(id);

/** @param {HTMLSelectElement} list @param {[string, string][]} entries value and text */
function Fill(list, entries) {
  list.replaceChildren(...entries.map(([value, text]) => new Option(text, value)));
}

export class ConvertPanel {
  /**
   * @param {Engine} engine the page's engine, for the preview
   * @param {PageDescription} page
   * @param {() => Worker} startWorker makes the worker, on first use
   */
  constructor(engine, page, startWorker) {
    this.engine = engine;
    this.startWorker = startWorker;
    this.figures = page.figures;
    this.converter = page.converter;
    /** @type {Worker | null} */
    this.worker = null;
    /** @type {File | null} */
    this.file = null;
    /** @type {Set<number>} the columns chosen, numbered from 1 */
    this.columns = new Set();
    this.download = '';
    this.fillLists();
    this.wire();
    this.showOptions();
  }

  fillLists() {
    const { commands, delimiters, mostDecimals, startFigures } = this.converter;
    Fill($('cvCommand'), commands.map((c) => [c.name, `${c.name}: ${c.summary}`]));
    Fill($('cvFigures'), this.figures.map((f) => [String(f), String(f)]));
    $('cvFigures').value = String(startFigures);
    Fill($('cvDecimals'), [['', 'as usual'], ...Array.from({ length: mostDecimals + 1 }, (_, d) => /** @type {[string, string]} */ ([String(d), String(d)]))]);
    Fill($('cvDelimiter'), delimiters.map((d) => [d.given, d.name]));
  }

  wire() {
    const panel = $('frmConvert');
    panel.addEventListener('focusin', () => this.ensureWorker(), { once: true });
    panel.addEventListener('pointerdown', () => this.ensureWorker(), { once: true });
    $('cvCommand').addEventListener('change', () => this.showOptions());
    for (const id of ['cvCsv', 'cvHeader', 'cvDelimiter']) $(id).addEventListener('change', () => this.preview());
    $('cvText').addEventListener('input', () => (this.file ? this.setFile(null) : this.preview())); // ticks stay while it is edited
    $('cvFile').addEventListener('change', () => this.setFile($('cvFile').files[0] ?? null));
    panel.addEventListener('dragover', (/** @type {DragEvent} */ e) => e.preventDefault());
    panel.addEventListener('drop', (/** @type {DragEvent} */ e) => {
      e.preventDefault();
      const file = e.dataTransfer?.files[0];
      if (file) this.setFile(file);
    });
    $('cvRun').addEventListener('click', () => this.run());
    $('cvCancel').addEventListener('click', () => this.stop('Cancelled.'));
  }

  ensureWorker() {
    if (this.worker) return this.worker;
    const worker = this.startWorker();
    worker.postMessage({ module: this.engine.module });
    worker.addEventListener('message', ({ data }) => this.report(data));
    // A worker that fails (out of memory, say) ends the run with the browser's reason.
    worker.addEventListener('error', (event) => {
      event.preventDefault();
      this.stop(`The conversion stopped: ${event.message || 'the browser ended it'}.`);
    });
    this.worker = worker;
    return worker;
  }

  // Only the options the chosen command takes are shown.
  showOptions() {
    const command = this.command();
    const form = $('cvForm');
    Fill(form, command.forms.map((f) => [f, this.converter.forms[f]]));
    $('cvFormLabel').hidden = !command.forms.length;
    $('cvFiguresLabel').hidden = !command.figures;
    $('cvDecimalsLabel').hidden = !command.decimals;
  }

  command() {
    return this.converter.commands[$('cvCommand').selectedIndex];
  }

  /** @param {File | null} file */
  setFile(file) {
    this.file = file;
    $('cvFileName').textContent = file ? file.name : '';
    if (file) $('cvText').value = '';
    this.columns.clear();
    this.preview();
  }

  /** @returns {Blob} what is to be converted */
  source() {
    return this.file ?? new Blob([new TextEncoder().encode($('cvText').value)]);
  }

  // The first rows, as the converter reads them, each column with a box to choose it.
  async preview() {
    const preview = $('cvColumns');
    const csv = $('cvCsv').checked;
    $('cvHeaderLabel').hidden = !csv;
    $('cvDelimiterLabel').hidden = !csv;
    preview.hidden = !csv;
    if (!csv) return;
    const start = new Uint8Array(await this.source().slice(0, PREVIEW_BYTES).arrayBuffer());
    const rows = this.engine.csvPreview(start, this.delimiter());
    const header = $('cvHeader').checked;
    const widest = Math.max(0, ...rows.map((row) => row.length));
    const heads = Array.from({ length: widest }, (_, i) => {
      const cell = document.createElement('th');
      cell.scope = 'col';
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.checked = this.columns.has(i + 1);
      box.addEventListener('change', () => (box.checked ? this.columns.add(i + 1) : this.columns.delete(i + 1)));
      const label = document.createElement('label');
      label.append(box, header && rows[0]?.[i] ? rows[0][i] : `Column ${i + 1}`);
      cell.append(label);
      return cell;
    });
    const body = (header ? rows.slice(1) : rows).map((row) => {
      const line = document.createElement('tr');
      line.append(...row.map((text) => Object.assign(document.createElement('td'), { textContent: text })));
      return line;
    });
    const head = document.createElement('tr');
    head.append(...heads);
    preview.querySelector('thead').replaceChildren(head);
    preview.querySelector('tbody').replaceChildren(...body);
  }

  /** @returns {string} the delimiter chosen, as a character */
  delimiter() {
    const chosen = this.converter.delimiters.find((d) => d.given === $('cvDelimiter').value);
    return (chosen ?? this.converter.delimiters[0]).delimiter;
  }

  /** @returns {string[]} the options as orvanel-cli's command line */
  words() {
    const command = this.command();
    const option = this.converter.options;
    const words = [command.name];
    if (command.forms.length) words.push(option.form, $('cvForm').value);
    if (command.figures) words.push(option.figures, $('cvFigures').value);
    if (command.decimals && $('cvDecimals').value) words.push(option.decimals, $('cvDecimals').value);
    if ($('cvValues').checked) words.push(option.values);
    if ($('cvCsv').checked) {
      words.push(option.csv, option.delimiter, $('cvDelimiter').value);
      if ($('cvHeader').checked) words.push(option.header);
      for (const column of [...this.columns].sort((a, b) => a - b)) words.push(option.column, String(column));
    }
    return words;
  }

  run() {
    const worker = this.ensureWorker();
    URL.revokeObjectURL(this.download);
    $('cvResult').hidden = true;
    $('cvFirst').textContent = '';
    $('cvRefusals').replaceChildren();
    this.running(true);
    this.say('Converting…');
    performance.mark('orvanel-convert-start');
    worker.postMessage({ run: { name: this.file?.name ?? '', words: this.words(), source: this.source() } });
  }

  // Ends the worker, and the run with it, saying why; the next run starts another.
  /** @param {string} why */
  stop(why) {
    this.worker?.terminate();
    this.worker = null;
    this.running(false);
    this.say(why);
  }

  /** @param {boolean} on */
  running(on) {
    $('cvRun').disabled = on;
    $('cvCancel').disabled = !on;
    if (on) $('cvProgress').value = 0;
  }

  /** @param {string} text said once, as the status changes */
  say(text) {
    $('cvStatus').textContent = text;
  }

  /** @param {any} report what the worker tells */
  report(report) {
    if (report.wrong) {
      this.running(false);
      this.say(report.wrong);
    } else if (report.result) {
      this.finished(report);
    } else if (report.total !== undefined) {
      this.progress(report);
    }
  }

  /** @param {{done: number, total: number, refusals: string[], refused: number, first: Uint8Array | null}} report */
  progress({ done, total, refusals, first }) {
    $('cvProgress').value = total ? done / total : 1;
    const quarter = total ? Math.floor((4 * done) / total) : 4; // said at each quarter, not at every piece
    if (quarter > 0 && quarter < 4 && !$('cvStatus').textContent.endsWith(`${25 * quarter} %`)) this.say(`Converting… ${25 * quarter} %`);
    if (first) {
      const lines = new TextDecoder().decode(first).split(/\r?\n|\r/).slice(0, FIRST_LINES);
      $('cvFirst').textContent = lines.join('\n');
    }
    $('cvRefusals').append(...refusals.map((text) => Object.assign(document.createElement('li'), { textContent: text })));
  }

  /** @param {{result: Blob, name: string, refused: number}} report */
  finished({ result, name, refused }) {
    performance.mark('orvanel-convert-done');
    this.running(false);
    this.download = URL.createObjectURL(result);
    const link = $('cvDownload');
    Object.assign(link, { href: this.download, download: name, textContent: `Download ${name}` });
    const kept = $('cvRefusals').children.length;
    if (refused > kept) {
      $('cvRefusals').append(Object.assign(document.createElement('li'), { textContent: `and ${refused - kept} more` }));
    }
    $('cvRefusedTitle').textContent = refused ? `Refused: ${refused}` : 'Refused: none';
    $('cvResult').hidden = false;
    this.say(`Converted${refused ? `, ${refused} refused` : ''}: ${name} is ready to download.`);
  }
}
