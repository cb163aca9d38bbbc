// The page's side of the protocol with its engine, as the engine's tables say it.
// Written by the build (scripts/protocol-js): do not edit.

export const EXPORTS = Object.freeze({buffer: 'buffer', run: 'run', answer_size: 'answer_size', piece: 'piece', output: 'output', output_size: 'output_size'});
export const CALLS = Object.freeze({describe: 'describe', start: 'start', input: 'input', viewer: 'viewer', convertBegin: 'convertBegin', convertFeed: 'convertFeed', csvPreview: 'csvPreview'});
export const VIEWER_EVENTS = Object.freeze({load: 'load', show: 'show', read: 'read', unload: 'unload'});
export const COMMANDS = Object.freeze({none: '', clearPane: 'clearPane', copyPane: 'copyPane', showHelp: 'showHelp', openPublisher: 'openPublisher', endProgram: 'endProgram'});
export const GESTURES = Object.freeze({click: 'click', choose: 'choose', selectionChange: 'selectionChange', enter: 'enter', keyDown: 'keyDown', keyUp: 'keyUp', leaveField: 'leaveField'});
export const EDITS = Object.freeze({text: 'text', checked: 'checked', unchecked: 'unchecked', selection: 'selection'});
