// One program on the page: the graph canvas, the menus, the keys, the dialogs, data files,
// the read-out, printing and the teaching views, over the engine in WebAssembly.
import { loadEngine, TeachingKey } from './engine.js';
import { Raster, FONT_FAMILY } from './raster.js';
import { buildMenuBar } from './menus.js';
import { settingsDialog, messageBox, saveNameDialog } from './dialogs.js';
import { graphRoom, fitMapping, onRoomChange } from './layout.js';
import { followPointer } from './pointer.js';
import { buildStepBar } from './stepbar.js';
import { graphText } from './a11y.js';
import { t, useCatalog } from './texts.js';
import { CLASS_SET, classSetItem, printClassSet } from './classset.js';

const PRINT_DPI = 300;  // the page's own choice for paper: sharp enough, quick to draw
const FIRST_PROGRAM = 'ombra';

const canvas = document.getElementById('graph');
const context = canvas.getContext('2d');
const status = document.getElementById('status');
const prediction = document.getElementById('prediction');
const axisError = document.getElementById('axis-error');
const fileInput = document.getElementById('file-input');
const picture = document.getElementById('picture');
const stepBar = document.getElementById('step-bar');

// What the tests and the benchmark read: passes drawn, when the first one was, the last save.
const page = { ready: false, passes: 0, firstPicture: null, firstShown: null, lastSave: null };
window.tessaly = page;

// Without its font the graph's texts fall back to the browser's own Mincho or serif, which
// is still a graph to work with.
async function loadFont() {
  try {
    const face = new FontFace(FONT_FAMILY, 'url(tessaly-mincho-subset.woff2)');
    document.fonts.add(await face.load());
  } catch (error) {
    console.warn('Tessaly: the graph font did not load:', error);
  }
}

// Without the engine there is no program and no catalog: the page says so in both languages
// (index.html) instead of staying blank.
async function startEngine() {
  try {
    return (await Promise.all([loadEngine(), loadFont()]))[0];
  } catch (error) {
    page.failed = String(error);
    document.getElementById('start-failed').hidden = false;
    picture.hidden = true;  // an empty canvas would only push the page sideways
    throw error;
  }
}

const engine = await startEngine();
page.engine = engine;

useCatalog(engine);

// The language the address asks for, else the browser's first, else the source language.
// False when the address asks for one the catalog does not have.
function chooseLanguage(params) {
  const asked = params.get('lang');
  if (asked !== null && engine.setLanguage(asked)) return true;
  const preferred = (navigator.language ?? '').split('-')[0].toLowerCase();
  if (!preferred || !engine.setLanguage(preferred)) engine.setLanguage('ja');
  return asked === null;
}

// Starts the program the address names, or the first one. The engine knows the names, so
// nothing like "constructor" slips through.
function startProgram(params) {
  const asked = params.get('program');
  if (asked === null || !engine.start(asked)) engine.start(FIRST_PROGRAM);
}

// Everything else the page's address asks for, in one place: called once with the parsed
// parameters after the program started and the page is built. The steps, settings, marker
// and diagram of a link are replayed by the engine as the renderer's --link replays them, and
// the page shows the last pass of that replay. What cannot be followed is said in the status
// line, as text.
const PAGE_PARAMETERS = ['program', 'embed', 'lang'];
function followLink(params) {
  if (params.has('embed')) document.body.classList.add('embed');
  const asked = params.get('program');
  if (asked !== null && asked !== program.id) {
    const shown = asked.length > 40 ? `${asked.slice(0, 40)}…` : asked;
    status.textContent = t('プログラム「%s」はありません。%sを開きました。', shown, program.name);
    return;
  }
  // A language the catalog lacks is left to the engine, which says so with the rest.
  if (languageFound && [...params.keys()].every((name) => PAGE_PARAMETERS.includes(name))) return;
  const list = engine.followLink(`program=${program.id}&${params.toString()}`);
  const notes = engine.linkNotes().trim();
  if (notes) status.textContent = t('リンクの次の指定は使いませんでした：%s', notes.replaceAll('\n', t('　')));
  if (list.length === 0) return;
  page.linkTrace = new TextDecoder().decode(list);
  linkList = list;
  requestRepaint(Repaint.ERASE);
}

// The address of the graph on show, in the words a link carries, copied for the user.
async function copyLink() {
  const url = new URL(location.href);
  url.search = `?${engine.stateLink()}`;
  page.lastLink = url.href;
  try {
    await navigator.clipboard.writeText(url.href);
    status.textContent = t('リンクをコピーしました：%s', url.href);
  } catch {
    await messageBox(t('リンク'), url.href);
  }
}

const link = new URLSearchParams(location.search);
const languageFound = chooseLanguage(link);
startProgram(link);
const program = engine.program();
const {
  logicalWidth: LOGICAL_WIDTH, logicalHeight: LOGICAL_HEIGHT, panelWidth: PANEL_WIDTH,
  screenDpi: CSS_DPI, palette: PALETTE, actions: Action, repaints: Repaint, commands: Command,
} = program.engine;
const description = graphText(document.getElementById('graph-text'), program.name);

document.title = `${program.name} — Tessaly`;
document.documentElement.lang = program.language;
canvas.setAttribute('aria-label', t('%sのグラフ', program.name));
document.getElementById('switcher').setAttribute('aria-label', t('プログラム'));
document.getElementById('menubar').setAttribute('aria-label', t('メニュー'));
stepBar.setAttribute('aria-label', t('定数増減と描画'));
prediction.setAttribute('aria-label', t('予想'));
for (const a of document.querySelectorAll('#switcher a')) {
  if (a.dataset.program === program.id) a.setAttribute('aria-current', 'page');
  a.search = `?program=${a.dataset.program}&lang=${program.language}`;
}
// Each language as a link to the graph on show in that language, made when it is followed.
const languages = document.getElementById('languages');
languages.setAttribute('aria-label', t('言語 Language'));
for (const { code, name } of program.languages) {
  const a = document.createElement('a');
  a.textContent = name;
  a.lang = code;
  a.href = `?program=${program.id}&lang=${code}`;
  if (code === program.language) a.setAttribute('aria-current', 'true');
  a.addEventListener('click', () => {
    const state = new URLSearchParams(engine.stateLink());
    state.set('lang', code);
    if (document.body.classList.contains('embed')) state.set('embed', '1');
    a.search = `?${state}`;
  });
  languages.append(a);
}

let raster = null;
let linkList = null;  // a link's last pass, drawn in place of the next pass
let overlay = null;  // the picture with the marker and the diagram over it
let mapping = null;
let ratio = 0;
let pending = Repaint.NONE;
let erasePending = false;
let pointer = null;
let held = null;  // logical units, so that it stays on the same frequency at any size
let closed = false;

// The canvas's size: the display magnification's where the page has room for it, else as
// large as fits; the phasor diagram widens the picture by its panel, as it widens the window.
// The room is measured once and again only when the page's layout changes (onRoomChange
// below): measuring lays the page out, which a key's pass need not wait for.
let room = null;
function fittedMapping() {
  room ??= graphRoom(picture, [stepBar, status]);
  const width = LOGICAL_WIDTH + (engine.teachingState().panel ? PANEL_WIDTH : 0);
  return fitMapping({ width, height: LOGICAL_HEIGHT }, engine.displayMagnification(), room);
}

function requestRepaint(kind) {
  if (kind === Repaint.NONE || closed) return;
  if (kind === Repaint.ERASE) erasePending = true;
  if (pending === Repaint.NONE) queueMicrotask(drawPass);
  pending = kind;
}

function drawPass() {
  pending = Repaint.NONE;
  let erase = erasePending;
  erasePending = false;
  const dpr = window.devicePixelRatio || 1;
  const next = fittedMapping();
  if (!raster || next.width !== mapping.width || next.height !== mapping.height || dpr !== ratio) {
    // A new size: the old picture was drawn at the old scale and cannot stay.
    mapping = next;
    ratio = dpr;
    canvas.width = Math.round(mapping.width * dpr);
    canvas.height = Math.round(mapping.height * dpr);
    canvas.style.width = `${mapping.width}px`;
    canvas.style.height = `${mapping.height}px`;
    // Either way the raster starts white.
    if (raster) raster.resize(canvas.width, canvas.height);
    else raster = new Raster(canvas.width, canvas.height, PALETTE);
    overlay = null;
  } else if (erase) {
    raster.erase();
  }
  const report = raster.draw(linkList ?? engine.windowPass(), screenMap());
  linkList = null;
  drawOverlay();
  page.passes += 1;
  // Milliseconds since the navigation began: the first pass put, and the frame that shows it.
  if (page.firstPicture === null) {
    page.firstPicture = performance.now();
    requestAnimationFrame(() => { page.firstShown = performance.now(); });
  }
  if (report.alerts) ringAlert();
  showPassError();
  description.drawn(engine.describe());
  if (pointer) readOut(pointer);
  if (held) description.held(engine.readout(held.x, held.y));
}

function screenMap() {
  return { ds: 1, s: mapping.scale * ratio, thin: Math.max(1, Math.round(ratio)) };
}

// The marker and the diagram over the kept picture, without a pass: a pointer that moves
// leaves overlaid curves as they are.
function drawOverlay() {
  const list = engine.overlayPass();
  if (list.length === 0) {
    context.putImageData(raster.image, 0, 0);
    return;
  }
  overlay ??= new Raster(raster.width, raster.height, PALETTE);
  overlay.pixels.set(raster.pixels);
  overlay.draw(list, screenMap());
  context.putImageData(overlay.image, 0, 0);
}

// What the teaching views asked for: a pass, a wider or narrower picture, the overlay again.
function followTeaching(outcome) {
  if (!outcome.handled) return false;
  if (outcome.panelToggled) requestRepaint(Repaint.ERASE);
  else if (outcome.repaint !== Repaint.NONE) requestRepaint(outcome.repaint);
  else if (outcome.overlay && raster) drawOverlay();
  showTeaching();
  return true;
}

// The exercise's prompt or result in the status line, and the field for a prediction while
// one is awaited.
let teachingShown = '';
function showTeaching() {
  const text = engine.teachingStatus();
  if (text) status.textContent = text;
  else if (teachingShown && status.textContent === teachingShown) status.textContent = '';
  teachingShown = text;
  const awaits = engine.teachingState().awaitsPrediction;
  if (prediction.hidden === awaits) {
    prediction.hidden = !awaits;
    prediction.value = '';
    if (awaits) prediction.focus({ preventScroll: true });
  }
  page.teaching = { status: text, ...engine.teachingState() };
}

function showPassError() {
  const code = engine.takeError();
  axisError.hidden = code === 0;
  axisError.textContent = code ? engine.errorMessage(code) : '';
}

// The beep and the caption flash of the window: here the menu bar flashes, anew at each alert
// (an animation of its own each time, which needs no layout to start again). Alerts before
// the next frame (a key's and its pass's) show as one flash.
const FLASH = [{ background: '#0a246a' }, { background: 'transparent' }];
let flash = null;
function ringAlert() {
  if (flash?.pending) return;
  flash = document.getElementById('menubar').animate(FLASH, { duration: 150, easing: 'steps(2)' });
}

function logicalAt(at) {
  return { x: (at.x + 0.5) / mapping.scale, y: (at.y + 0.5) / mapping.scale };
}

function readOut(at) {
  const { x, y } = logicalAt(at);
  status.textContent = engine.readout(x, y);
  showTeaching();
}

// The read-out follows the pointer (a finger's drag too), and so does the marker; a tap or
// click holds the read-out, locks the marker or answers an exercise, and the graph's text
// alternative says what is held.
followPointer(canvas, {
  moved(at) {
    if (!mapping) return;
    pointer = at;
    readOut(at);
    const { x, y } = logicalAt(at);
    followTeaching(engine.pointerAt(x, y));
  },
  held(at) {
    if (!mapping || busy || closed) return;
    held = logicalAt(at);
    pointer = at;
    readOut(at);
    description.held(status.textContent);
    followTeaching(engine.clickAt(held.x, held.y));
  },
  left() {
    pointer = null;
    status.textContent = held ? engine.readout(held.x, held.y) : '';
    followTeaching(engine.pointerLeft());
    showTeaching();
  },
});

// --- data files ---

// The file picker's choice, or null when it was cancelled. Browsers without the input's
// cancel event only give the focus back: a picker closed without a change by a second after
// that counts as cancelled, so that the page never waits for it for ever.
function chooseFile() {
  return new Promise((resolve) => {
    fileInput.value = '';
    let finished = false;
    const done = (file) => {
      if (finished) return;
      finished = true;
      fileInput.removeEventListener('change', changed);
      fileInput.removeEventListener('cancel', cancelled);
      window.removeEventListener('focus', refocused);
      resolve(file);
    };
    const changed = () => done(fileInput.files[0] ?? null);
    const cancelled = () => done(null);
    const refocused = () => setTimeout(() => done(null), 1000);
    fileInput.addEventListener('change', changed);
    fileInput.addEventListener('cancel', cancelled);
    window.addEventListener('focus', refocused);
    fileInput.click();
  });
}

async function readDataFile(file) {
  try {
    engine.readFile(new Uint8Array(await file.arrayBuffer()));
  } catch (error) {
    // A read that fails leaves the values zero and no saved curve, and says why.
    engine.readFile(new Uint8Array(0));
    await messageBox(t('確認'), `${t('ファイルを読み込めませんでした。')}\n${error.message ?? error}`, 'warning');
  }
}

async function saveDataFile() {
  let name = await saveNameDialog(`${program.id}.dat`);
  if (name === null) {
    await messageBox('Open error', 'GetSaveFileName Error', 'error');
    return;
  }
  // The dialog's default extension, for a name typed without one.
  if (!/\.[^\/\\]*$/.test(name)) name += '.dat';
  if (!name.includes('.dat')) {
    await messageBox('File', t('DATファイルではありません'));
    return;
  }
  const bytes = engine.saveFile();
  page.lastSave = { name, bytes };
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name.split('/').pop().split('\\').pop();
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// --- printing: one page, the graph at the print magnification ---

async function printGraph() {
  const pm = engine.printMagnification();
  const ds = (PRINT_DPI * pm) / CSS_DPI;
  const width = Math.ceil(LOGICAL_WIDTH * ds);
  const height = Math.ceil(LOGICAL_HEIGHT * ds);
  const paper = new Raster(width, height, PALETTE);
  // A pen of width 0 is the thinnest the device draws: one printer dot, as on paper.
  paper.draw(engine.printPass(PRINT_DPI), { ds, s: 1, thin: 1 });
  showPassError();
  const sheet = new OffscreenCanvas(width, height);
  sheet.getContext('2d').putImageData(paper.image, 0, 0);
  const blob = await sheet.convertToBlob({ type: 'image/png' });
  const image = document.getElementById('print-image');
  if (image.src) URL.revokeObjectURL(image.src);
  image.src = URL.createObjectURL(blob);
  await image.decode();
  // The printed graph measures 640 by 480 logical units at 96 to the inch, times the print
  // magnification.
  image.style.width = `${(LOGICAL_WIDTH * pm) / CSS_DPI}in`;
  image.style.height = `${(LOGICAL_HEIGHT * pm) / CSS_DPI}in`;
  page.lastPrint = { width, height, inchesWide: (LOGICAL_WIDTH * pm) / CSS_DPI };
  const title = document.title;
  document.title = 'PRT';  // the job's document name
  window.print();
  document.title = title;
}

function quit() {
  closed = true;
  try {
    window.close();
  } catch {
    // a page the script did not open stays; it ends here instead
  }
  document.body.classList.add('closed');
}

async function openSettings(dialog) {
  const template = program.dialogs[dialog];
  if (!template) return;
  const count = engine.dialogCount(dialog);
  const texts = Array.from({ length: count }, (_, i) => engine.dialogText(dialog, i));
  const result = await settingsDialog(template, texts);
  if (!result) return;
  result.slice(0, count).forEach((text, i) => engine.dialogSet(dialog, i, text));
  engine.dialogOk(dialog);
}

async function carryOut(action) {
  switch (action) {
    case Action.READ: {
      const file = await chooseFile();
      if (!file) await messageBox('Open error', 'GetOpenFileName Error', 'error');
      else await readDataFile(file);
      break;
    }
    case Action.SAVE: await saveDataFile(); break;
    case Action.PRINT: await printGraph(); break;
    case Action.QUIT: quit(); break;
    case Action.DIALOG1: await openSettings(0); break;
    case Action.DIALOG2: await openSettings(1); break;
    case Action.DIALOG3: await openSettings(2); break;
    case Action.HELP: await messageBox(t('回路と使い方の説明'), program.help ?? ''); break;
    case Action.VERSION: await messageBox(t('電子回路シミュレーション'), 'Ver. 0.2,  1999.8'); break;
    default: break;
  }
}

let busy = false;  // a modal box is open: the window takes no commands meanwhile

// What a command or key asks of the page, then the repaint it causes; nothing else runs
// meanwhile.
async function perform(outcome) {
  busy = true;
  try {
    await carryOut(outcome.action);
  } finally {
    busy = false;
  }
  requestRepaint(outcome.repaint);
}

async function runCommand(command) {
  if (busy || closed) return;
  if (command === COPY_LINK) {
    await copyLink();
    return;
  }
  if (command === CLASS_SET) {
    busy = true;
    try {
      page.lastClassSet = await printClassSet(engine, program, PRINT_DPI, (text) => { status.textContent = text; });
    } finally {
      busy = false;
    }
    return;
  }
  if (followTeaching(engine.teachingCommand(command))) return;
  const outcome = engine.command(command);
  if (!outcome.accepted) return;
  await perform(outcome);
}

// The teaching pop-up comes after the program's own, as in the window; the File menu gets the
// page's own command that copies the link of the graph on show, the teaching pop-up the print
// of a class set where the program has exercises.
const COPY_LINK = 'copy-link';
const fileMenu = { ...program.menu[0], items: [...program.menu[0].items, { command: COPY_LINK, text: t('リンクをコピー') }] };
const classSet = classSetItem(program);
const teachingMenu = { ...program.teaching, items: [...program.teaching.items, ...(classSet ? [classSet] : [])] };
const menus = buildMenuBar(document.getElementById('menubar'), [fileMenu, ...program.menu.slice(1), teachingMenu], runCommand);
buildStepBar(stepBar, program.menu, program.stepBar, runCommand);

// Keys the teaching views take before the program: Escape, and [ and ] for the curve.
function teachingKey(event) {
  if (event.key === 'Escape') return engine.teachingKey(TeachingKey.Escape);
  if (event.key.length === 1) return engine.teachingKey(TeachingKey.Text, event.key);
  return { handled: false };
}

prediction.addEventListener('keydown', (event) => {
  if (event.key === 'Enter') {
    event.preventDefault();
    followTeaching(engine.predict(prediction.value));
    if (!prediction.hidden) prediction.select();
  } else if (event.key === 'Escape') {
    event.preventDefault();
    followTeaching(engine.teachingKey(TeachingKey.Escape));
    canvas.focus({ preventScroll: true });
  }
});

document.addEventListener('keydown', async (event) => {
  if (busy || closed || document.querySelector('dialog[open]')) return;
  if (event.key === 'F10' || (event.key === 'Alt' && !event.repeat)) {
    event.preventDefault();
    menus.enter();
    return;
  }
  if (event.target === prediction || event.ctrlKey || event.metaKey || event.altKey) return;
  if (followTeaching(teachingKey(event))) {
    event.preventDefault();
    ringAlert();
    return;
  }
  if (event.key.length !== 1) return;
  event.preventDefault();
  ringAlert();
  await perform(engine.key(event.key.codePointAt(0)));
});

// A file dropped on the page is read as the File menu's read command reads one.
document.addEventListener('dragover', (event) => event.preventDefault());
document.addEventListener('drop', async (event) => {
  event.preventDefault();
  const file = event.dataTransfer?.files?.[0];
  if (!file || busy || closed) return;
  const outcome = engine.command(Command.readFile);
  await readDataFile(file);
  requestRepaint(outcome.repaint);
});

window.matchMedia?.(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener?.('change', () => requestRepaint(Repaint.ERASE));
// A new room for the graph draws it again at its new size; the same size keeps the picture.
onRoomChange(() => {
  room = null;
  if (!mapping) return;
  const next = fittedMapping();
  if (next.width !== mapping.width || next.height !== mapping.height) requestRepaint(Repaint.ERASE);
}, [document.querySelector('header'), stepBar, status]);
page.run = runCommand;
requestRepaint(Repaint.ERASE);
await new Promise((resolve) => queueMicrotask(resolve));
followLink(link);
canvas.focus({ preventScroll: true });
page.ready = true;
// The whole site is kept for visits without the network; a page over file:// or plain
// HTTP elsewhere than this machine has no service worker and works as before.
navigator.serviceWorker?.register('sw.js').catch(() => {});
