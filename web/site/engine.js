// The engine module and its C interface (web/engine_api.h) as plain functions.
import createEngine from './tessaly-engine.js';

export const Action = Object.freeze({
  NONE: 0, READ: 1, SAVE: 2, PRINT: 3, QUIT: 4, DIALOG1: 5, DIALOG2: 6, DIALOG3: 7, HELP: 8, VERSION: 9,
});
export const Repaint = Object.freeze({ NONE: 0, ERASE: 1, OVERLAY: 2 });

const unpack = (packed) => ({
  accepted: (packed & 1) === 1,
  repaint: (packed >> 1) & 3,
  action: packed >> 4,
});

export async function loadEngine() {
  const m = await createEngine();
  const c = (name, result, args) => m.cwrap(name, result, args);
  const start = c('tessaly_start', 'number', ['string']);
  const programJson = c('tessaly_program_json', 'string', []);
  const windowPass = c('tessaly_window_pass', 'number', []);
  const printPass = c('tessaly_print_pass', 'number', ['number']);
  const listLength = c('tessaly_list_length', 'number', []);
  const command = c('tessaly_command', 'number', ['number']);
  const key = c('tessaly_key', 'number', ['number']);
  const fileBuffer = c('tessaly_file_buffer', 'number', []);
  const readFile = c('tessaly_read_file', null, ['number']);
  const saveFile = c('tessaly_save_file', 'number', []);
  // The bytes where the engine keeps them, valid until its next call.
  const list = (pointer) => m.HEAPU8.subarray(pointer, pointer + listLength());
  return {
    start: (id) => start(id) === 1,
    program: () => JSON.parse(programJson()),
    windowPass: () => list(windowPass()),
    printPass: (dpi) => list(printPass(dpi)),
    displayMagnification: c('tessaly_display_magnification', 'number', []),
    printMagnification: c('tessaly_print_magnification', 'number', []),
    command: (n) => unpack(command(n)),
    key: (character) => unpack(key(character)),
    dialogCount: c('tessaly_dialog_count', 'number', ['number']),
    dialogText: c('tessaly_dialog_text', 'string', ['number', 'number']),
    dialogSet: c('tessaly_dialog_set', null, ['number', 'number', 'string']),
    dialogOk: c('tessaly_dialog_ok', null, ['number']),
    readFile: (bytes) => {
      const used = bytes.subarray(0, 8016);
      m.HEAPU8.set(used, fileBuffer());
      readFile(used.length);
    },
    saveFile: () => {
      const at = saveFile();
      return m.HEAPU8.slice(at, at + 8016);
    },
    readout: c('tessaly_readout', 'string', ['number', 'number']),
    describe: c('tessaly_describe', 'string', []),
    takeError: c('tessaly_take_error', 'number', []),
    errorMessage: c('tessaly_error_message', 'string', ['number']),
  };
}
