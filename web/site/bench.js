// Times the page: a typed key or a tap on the step bar to the new picture on the canvas (the
// pass drawn and put, and the next frame shown), and the first picture of a load with a warm
// cache (put on the canvas, and the frame that shows it). Medians over many repetitions. What
// a first visit downloads is counted by bench/web_bench.py at the server, service worker
// included.
const KEY_PRESSES = 60;
const LOADS = 10;
const frame = document.getElementById('frame');
const out = document.getElementById('results');
const median = (values) => {
  const s = [...values].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

function navigate(url) {
  return new Promise((resolve) => {
    frame.onload = resolve;
    frame.src = url;
  });
}

// The page as a student opens it: the same address each time, after a blank page so that
// the address is loaded anew.
async function load(program) {
  await navigate('about:blank');
  await navigate(`index.html?program=${program}`);
  return new Promise((resolve) => {
    const wait = () => {
      const page = frame.contentWindow.tessaly;
      if (page && page.ready && page.firstShown !== null) resolve(frame.contentWindow);
      else setTimeout(wait, 5);
    };
    wait();
  });
}

function nextFrame(win) {
  return new Promise((resolve) => win.requestAnimationFrame(() => resolve()));
}

// press(i): the i-th key press or tap.
async function toPicture(win, press) {
  const drawn = [];
  const shown = [];
  for (let i = 0; i < KEY_PRESSES; ++i) {
    const page = win.tessaly;
    const before = page.passes;
    await nextFrame(win);
    const start = win.performance.now();
    press(i);
    while (page.passes === before) await new Promise((r) => win.queueMicrotask(r));
    drawn.push(win.performance.now() - start);
    await nextFrame(win);
    shown.push(win.performance.now() - start);
  }
  return { drawn: median(drawn), shown: median(shown) };
}

const typeKey = (win, keys) => (i) => win.document.getElementById('graph')
  .dispatchEvent(new win.KeyboardEvent('keydown', { key: keys[i % keys.length], bubbles: true }));
// Step up and step down by turns, as a finger on the step bar.
const tapStep = (win) => (i) => win.document.querySelectorAll('#step-bar button')[i % 2]
  .dispatchEvent(new win.PointerEvent('click', { bubbles: true }));

const results = {};
for (const [program, keys] of [['ombra', ['2', '1']], ['velto', ['3', '1']], ['quirn', ['4', '1']]]) {
  let win = await load(program);
  const firsts = [];
  const shownFirsts = [];
  for (let i = 0; i < LOADS; ++i) {
    win = await load(program);
    firsts.push(win.tessaly.firstPicture);
    shownFirsts.push(win.tessaly.firstShown);
  }
  const keysTimed = await toPicture(win, typeKey(win, keys));
  const tapsTimed = await toPicture(win, tapStep(win));
  results[program] = {
    keyToPassDrawnMs: +keysTimed.drawn.toFixed(2),
    keyToNextFrameMs: +keysTimed.shown.toFixed(2),
    tapToPassDrawnMs: +tapsTimed.drawn.toFixed(2),
    firstPictureWarmMs: +median(firsts).toFixed(1),
    firstPictureShownWarmMs: +median(shownFirsts).toFixed(1),
  };
}
out.textContent = JSON.stringify(results, null, 2);
window.benchResults = results;
