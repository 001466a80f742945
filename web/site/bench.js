// Times the page: a typed key to the new picture on the canvas (the pass drawn and put, and
// the next frame shown), the first picture of a load with a warm cache, and the bytes a
// first load fetches. Medians over many repetitions.
const KEY_PRESSES = 60;
const LOADS = 10;
const frame = document.getElementById('frame');
const out = document.getElementById('results');
const median = (values) => {
  const s = [...values].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

function load(program) {
  return new Promise((resolve) => {
    frame.onload = () => {
      const wait = () => {
        const page = frame.contentWindow.tessaly;
        if (page && page.ready && page.passes >= 1) resolve(frame.contentWindow);
        else setTimeout(wait, 5);
      };
      wait();
    };
    frame.src = `index.html?program=${program}&t=${Math.random()}`;
  });
}

function nextFrame(win) {
  return new Promise((resolve) => win.requestAnimationFrame(() => resolve()));
}

async function keyToPicture(win, keys) {
  const drawn = [];
  const shown = [];
  for (let i = 0; i < KEY_PRESSES; ++i) {
    const key = keys[i % keys.length];
    const page = win.tessaly;
    const before = page.passes;
    await nextFrame(win);
    const start = win.performance.now();
    win.document.getElementById('graph').dispatchEvent(new win.KeyboardEvent('keydown', { key, bubbles: true }));
    while (page.passes === before) await new Promise((r) => win.queueMicrotask(r));
    drawn.push(win.performance.now() - start);
    await nextFrame(win);
    shown.push(win.performance.now() - start);
  }
  return { drawn: median(drawn), shown: median(shown) };
}

function downloadBytes(win) {
  const entries = [...win.performance.getEntriesByType('navigation'), ...win.performance.getEntriesByType('resource')];
  return entries.reduce((sum, e) => sum + (e.encodedBodySize || 0), 0);
}

const results = {};
for (const [program, keys] of [['ombra', ['2', '1']], ['velto', ['3', '1']], ['quirn', ['4', '1']]]) {
  let win = await load(program);
  const bytes = downloadBytes(win);
  const firsts = [];
  for (let i = 0; i < LOADS; ++i) {
    win = await load(program);
    firsts.push(win.tessaly.firstPicture);
  }
  const keysTimed = await keyToPicture(win, keys);
  results[program] = {
    keyToPassDrawnMs: +keysTimed.drawn.toFixed(2),
    keyToNextFrameMs: +keysTimed.shown.toFixed(2),
    firstPictureWarmMs: +median(firsts).toFixed(1),
    downloadBytes: bytes,
  };
}
out.textContent = JSON.stringify(results, null, 2);
window.benchResults = results;
