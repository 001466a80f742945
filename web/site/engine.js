// The engine module and its C interface (web/engine_api.h) as plain functions. The numbers the
// page needs of the engine (screen, palette, file size, commands, actions, repaints) come with
// the program, from the engine itself.
import createEngine from './tessaly-engine.js';
import { engineCode } from './engine-code.js';

const unpack = (packed) => ({
  accepted: (packed & 1) === 1,
  repaint: (packed >> 1) & 3,
  action: packed >> 4,
});

// What the teaching views ask for next: a pass, the overlay again, a wider or narrower picture.
const unpackTeaching = (packed) => ({
  handled: (packed & 1) === 1,
  repaint: (packed >> 1) & 3,
  overlay: (packed & 8) !== 0,
  panelToggled: (packed & 16) !== 0,
});

export const TeachingKey = Object.freeze({ Escape: 0, Enter: 1, Backspace: 2, Text: 3 });

export async function loadEngine() {
  // The code compiled early (engine-code.js); the instance is made here, with the runtime's
  // imports. The runtime waits for the instance for ever, so a code that cannot be fetched,
  // compiled or instantiated ends the wait here instead.
  let refuse;
  const refused = new Promise((_, reject) => { refuse = reject; });
  const m = await Promise.race([refused, createEngine({
    instantiateWasm(imports, receive) {
      engineCode.then((code) => WebAssembly.instantiate(code, imports)).then((instance) => receive(instance), refuse);
      return {};
    },
  })]);
  const c = (name, result, args) => m.cwrap(name, result, args);
  const start = c('tessaly_start', 'number', ['string']);
  const programJson = c('tessaly_program_json', 'string', []);
  const windowPass = c('tessaly_window_pass', 'number', []);
  const printPass = c('tessaly_print_pass', 'number', ['number']);
  const overlayPass = c('tessaly_overlay_pass', 'number', []);
  const listLength = c('tessaly_list_length', 'number', []);
  const command = c('tessaly_command', 'number', ['number']);
  const key = c('tessaly_key', 'number', ['number']);
  const fileBuffer = c('tessaly_file_buffer', 'number', []);
  const readFile = c('tessaly_read_file', null, ['number']);
  const saveFile = c('tessaly_save_file', 'number', []);
  const teachingCommand = c('tessaly_teaching_command', 'number', ['number']);
  const teachingKey = c('tessaly_teaching_key', 'number', ['number', 'string']);
  const pointerAt = c('tessaly_pointer_at', 'number', ['number', 'number']);
  const pointerLeft = c('tessaly_pointer_left', 'number', []);
  const clickAt = c('tessaly_click_at', 'number', ['number', 'number']);
  const lockMarker = c('tessaly_lock_marker', 'number', ['number', 'number']);
  const predict = c('tessaly_predict', 'number', ['string']);
  const teachingState = c('tessaly_teaching_state', 'number', []);
  const followLink = c('tessaly_follow_link', 'number', ['string']);
  const classSet = c('tessaly_class_set', 'string', ['string', 'string', 'string', 'number']);
  const classSetGraph = c('tessaly_class_set_graph', 'number', ['number', 'number']);
  let fileBytes = 0;
  // The bytes where the engine keeps them, valid until its next call.
  const list = (pointer) => m.HEAPU8.subarray(pointer, pointer + listLength());
  return {
    start: (id) => start(id) === 1,
    program: () => {
      const program = JSON.parse(programJson());
      fileBytes = program.engine.dataFileBytes;
      return program;
    },
    windowPass: () => list(windowPass()),
    printPass: (dpi) => list(printPass(dpi)),
    overlayPass: () => list(overlayPass()),
    displayMagnification: c('tessaly_display_magnification', 'number', []),
    printMagnification: c('tessaly_print_magnification', 'number', []),
    command: (n) => unpack(command(n)),
    key: (character) => unpack(key(character)),
    dialogCount: c('tessaly_dialog_count', 'number', ['number']),
    dialogText: c('tessaly_dialog_text', 'string', ['number', 'number']),
    dialogSet: c('tessaly_dialog_set', null, ['number', 'number', 'string']),
    dialogOk: c('tessaly_dialog_ok', null, ['number']),
    readFile: (bytes) => {
      const used = bytes.subarray(0, fileBytes);
      m.HEAPU8.set(used, fileBuffer());
      readFile(used.length);
    },
    saveFile: () => {
      const at = saveFile();
      return m.HEAPU8.slice(at, at + fileBytes);
    },
    readout: c('tessaly_readout', 'string', ['number', 'number']),
    describe: c('tessaly_describe', 'string', []),
    takeError: c('tessaly_take_error', 'number', []),
    errorMessage: c('tessaly_error_message', 'string', ['number']),
    teachingCommand: (n) => unpackTeaching(teachingCommand(n)),
    teachingKey: (which, text = '') => unpackTeaching(teachingKey(which, text)),
    pointerAt: (x, y) => unpackTeaching(pointerAt(x, y)),
    pointerLeft: () => unpackTeaching(pointerLeft()),
    clickAt: (x, y) => unpackTeaching(clickAt(x, y)),
    lockMarker: (frequency, curve) => unpackTeaching(lockMarker(frequency, curve)),
    predict: (text) => unpackTeaching(predict(text)),
    teachingStatus: c('tessaly_teaching_status', 'string', []),
    // The last pass of the link's replay, copied out of the engine's memory.
    followLink: (query) => list(followLink(query)).slice(),
    linkNotes: c('tessaly_link_notes', 'string', []),
    stateLink: c('tessaly_state_link', 'string', []),
    setLanguage: (code) => c('tessaly_set_language', 'number', ['string'])(code) === 1,
    localized: c('tessaly_localized', 'string', ['string']),
    // A class set's pages laid out as the renderer lays them out, or null when refused.
    classSet: (exercise, seeds, paper, questions) => {
      const json = classSet(exercise, seeds, paper, questions);
      return json ? JSON.parse(json) : null;
    },
    classSetGraph: (index, dpi) => list(classSetGraph(index, dpi)),
    teachingState: () => {
      const state = teachingState();
      return { panel: (state & 1) !== 0, awaitsPrediction: (state & 2) !== 0, locked: (state & 4) !== 0 };
    },
  };
}
