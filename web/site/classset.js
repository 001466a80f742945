// A class set on paper through the browser's print: the renderer's arguments chosen in a
// dialog, the engine's layout of the sheets and the answer key (the same as the renderer's
// PDF), each graph drawn as printing draws it, and one page of the print for each page.
import { Raster, FONT_FAMILY } from './raster.js';
import { formDialog } from './dialogs.js';
import { t } from './texts.js';

// Every text the class set adds to the page, in the page's language.
const texts = () => ({
  command: t('クラス用の問題を印刷…'),
  caption: t('クラス用の問題を印刷'),
  kind: t('問題'),
  resonance: t('共振周波数 fo'),
  quality: t('Ｑ'),
  seeds: t('番号（最初-最後）'),
  paper: t('用紙'),
  a4: 'A4',
  letter: t('レター'),
  questions: t('1枚の問題数'),
  print: t('印刷'),
  cancel: t('キャンセル'),
  refused: (most) => t('番号は「1-30」のように最初と最後を小さい順に書いてください（%s枚まで）。', most),
  preparing: (done, total) => t('印刷の準備中… グラフ %s／%s', done, total),
  title: (name, seeds) => t('%s 問題 %s', name, seeds),
});

export const CLASS_SET = 'class-set';

// The menu item, where the program has an exercise to ask.
export function classSetItem(program) {
  return exerciseKinds(program).length > 0 ? { command: CLASS_SET, text: texts().command } : null;
}

// The kinds the program's own menu offers, in the renderer's words.
function exerciseKinds(program) {
  const text = texts();
  const offered = new Set(program.teaching.items.map((item) => item.command));
  const { exerciseResonance, exerciseQuality } = program.engine.commands;
  return [
    offered.has(exerciseResonance) && { value: 'f0', text: text.resonance },
    offered.has(exerciseQuality) && { value: 'q', text: text.quality },
  ].filter(Boolean);
}

let lastChoice = { kind: 'f0', seeds: '1-30', paper: 'a4', questions: '1' };

// Asks for the class set, lays it out and prints it; resolves once handed to the print.
// onProgress(text) shows how far the drawing of the graphs has come.
export async function printClassSet(engine, program, dpi, onProgress) {
  const text = texts();
  const kinds = exerciseKinds(program);
  const { mostSheets, mostQuestions } = program.engine;
  let layout = null;
  const fields = [
    { name: 'kind', label: text.kind, value: lastChoice.kind, choices: kinds },
    { name: 'seeds', label: text.seeds, value: lastChoice.seeds },
    { name: 'paper', label: text.paper, value: lastChoice.paper,
      choices: [{ value: 'a4', text: text.a4 }, { value: 'letter', text: text.letter }] },
    { name: 'questions', label: text.questions, value: lastChoice.questions,
      choices: Array.from({ length: mostQuestions }, (_, i) => ({ value: String(i + 1), text: String(i + 1) })) },
  ];
  const choice = await formDialog(text.caption, fields, text.print, text.cancel, (v) => {
    layout = engine.classSet(v.kind, v.seeds.trim(), v.paper, Number(v.questions));
    return layout ? '' : text.refused(mostSheets);
  });
  if (!choice) return null;
  lastChoice = choice;
  const pages = await buildPages(engine, program, layout, dpi, onProgress);
  printPages(layout, text.title(program.name, choice.seeds.trim()));
  return pages;
}

// The pages as elements of the print, each the paper's size in CSS pixels (the layout's
// units), the graphs as images drawn at dpi.
async function buildPages(engine, program, layout, dpi, onProgress) {
  const text = texts();
  const holder = document.getElementById('class-set');
  for (const image of holder.querySelectorAll('img')) URL.revokeObjectURL(image.src);
  holder.replaceChildren();
  const { logicalWidth, logicalHeight, palette } = program.engine;
  const total = layout.pages.reduce((n, page) => n + page.graphs.length, 0);
  let drawn = 0;
  let raster = null;
  let sheet = null;
  for (const page of layout.pages) {
    const element = document.createElement('section');
    element.className = `page ${page.kind}`;
    element.style.width = `${layout.width}px`;
    element.style.height = `${layout.height}px`;
    for (const item of page.texts) {
      const span = document.createElement('span');
      span.className = `text ${item.role}`;
      span.textContent = item.text;
      span.style.left = `${item.x}px`;
      span.style.top = `${item.y}px`;
      span.style.fontFamily = `"${FONT_FAMILY}", serif`;
      element.append(span);
    }
    for (const [x1, y1, x2, y2] of page.lines) {
      const rule = document.createElement('div');
      rule.className = 'rule';
      rule.style.left = `${x1}px`;
      rule.style.top = `${y1}px`;
      rule.style.width = `${Math.hypot(x2 - x1, y2 - y1)}px`;
      rule.style.transform = `rotate(${Math.atan2(y2 - y1, x2 - x1)}rad)`;
      element.append(rule);
    }
    for (const graph of page.graphs) {
      // As the page's print of one graph: device units of dpi times the magnification.
      const ds = (dpi * graph.magnification) / program.engine.screenDpi;
      const width = Math.ceil(logicalWidth * ds);
      const height = Math.ceil(logicalHeight * ds);
      if (!raster || raster.width !== width || raster.height !== height) {
        raster = new Raster(width, height, palette);
        sheet = new OffscreenCanvas(width, height);
      } else {
        raster.erase();
      }
      raster.draw(engine.classSetGraph(graph.index, dpi), { ds, s: 1, thin: 1 });
      sheet.getContext('2d').putImageData(raster.image, 0, 0);
      const image = new Image();
      image.alt = '';
      image.className = 'graph';
      image.src = URL.createObjectURL(await sheet.convertToBlob({ type: 'image/png' }));
      image.style.left = `${graph.x}px`;
      image.style.top = `${graph.y}px`;
      image.style.width = `${logicalWidth * graph.magnification}px`;
      image.style.height = `${logicalHeight * graph.magnification}px`;
      element.append(image);
      await image.decode();
      onProgress(text.preparing(++drawn, total));
    }
    holder.append(element);
  }
  onProgress('');
  return { pages: layout.pages.length, graphs: total };
}

// The print of the pages alone, on the layout's paper without margins.
function printPages(layout, title) {
  const style = document.createElement('style');
  style.textContent = `@page { size: ${layout.paper === 'letter' ? 'letter' : 'A4'}; margin: 0; }`;
  document.head.append(style);
  document.body.classList.add('class-set');
  const kept = document.title;
  document.title = title;  // the job's document name, and the name "Save as PDF" suggests
  // Put back once the print is done, whether print() waits for it or not.
  window.addEventListener('afterprint', () => {
    document.title = kept;
    document.body.classList.remove('class-set');
    style.remove();
  }, { once: true });
  window.print();
}
