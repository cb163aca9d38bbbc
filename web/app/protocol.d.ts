// The page's side of the protocol with its engine, as the engine's tables say it.
// Written by the build (scripts/protocol-js): do not edit.

export type Format = { decimal: string; group: string; minus: string; };
export type Focusable = { deg2Rad: boolean; rad2Deg: boolean; };
export type Input = { control: string; gesture: string; keyCode: number; repeat: boolean; entry: number; };
export type Edits = { texts: Record<string, string>; checks: Record<string, boolean>; selection: boolean; };
export type Shown = { control: string; text?: string; checked?: boolean; enabled?: boolean; };
export type Sign = { caption: string; seen: string; heard: string; };
export type Message = { text: string; title: string; style: number; };
export type Copy = { selectionFirst: boolean; lineEnd: string; collapseAfter: boolean; };
export type WindowAnswer = { controls: Shown[]; sign: Sign; listEntry?: number; line: string; commas: boolean; announce: string; message?: Message; focus: string; command: string; copy?: Copy; };
export type CallRequest = { call: string; };
export type StartRequest = { call: string; format: Format; };
export type InputRequest = { call: string; input: Input; edits: Edits; focusable: Focusable; };
export type ViewerRequest = { call: string; event: string; readAgain?: boolean; read?: boolean; };
export type ViewerAnswer = { read: boolean; };
export type ConvertBeginRequest = { call: string; name: string; words: string[]; };
export type ConvertBeginAnswer = { offered: string; };
export type ConvertFeedRequest = { call: string; last: boolean; };
export type ConvertFeedAnswer = { refusals: string[]; refused: number; status?: number; };
export type CsvPreviewRequest = { call: string; delimiter: string; };
export type CsvPreviewAnswer = { rows: string[][]; };
export type ErrorAnswer = { error: string; };
export type CommandUse = { name: string; summary: string; forms: string[]; figures: boolean; decimals: boolean; };
export type Delimiter = { given: string; name: string; delimiter: string; };
export type Converter = { commands: CommandUse[]; forms: Record<string, string>; delimiters: Delimiter[]; options: Record<string, string>; mostDecimals: number; startFigures: number; };
export type Control = { name: string; kind: string; group: string; unit: number; caption: string; labels: string; accessibleName: string; maxLength: number; inputMode?: string; enterKey?: string; describedBy?: string; edit?: string; gestures: string[]; };
export type Group = { name: string; frame: boolean; column: number; };
export type HelpErrors = { missing: Message; other: Message; empty: Message; };
export type PageDescription = { title: string; notice: string; url: string; figures: number[]; helpTitle: string; helpErrors: HelpErrors; converter: Converter; groups: Group[]; controls: Control[]; };

export declare const EXPORTS: Readonly<{buffer: 'buffer', run: 'run', answer_size: 'answer_size', piece: 'piece', output: 'output', output_size: 'output_size'}>;
export declare const CALLS: Readonly<{describe: 'describe', start: 'start', input: 'input', viewer: 'viewer', convertBegin: 'convertBegin', convertFeed: 'convertFeed', csvPreview: 'csvPreview'}>;
export declare const VIEWER_EVENTS: Readonly<{load: 'load', show: 'show', read: 'read', unload: 'unload'}>;
export declare const COMMANDS: Readonly<{none: '', clearPane: 'clearPane', copyPane: 'copyPane', showHelp: 'showHelp', openPublisher: 'openPublisher', endProgram: 'endProgram'}>;
export declare const GESTURES: Readonly<{click: 'click', choose: 'choose', selectionChange: 'selectionChange', enter: 'enter', keyDown: 'keyDown', keyUp: 'keyUp', leaveField: 'leaveField'}>;
export declare const EDITS: Readonly<{text: 'text', checked: 'checked', unchecked: 'unchecked', selection: 'selection'}>;
