// The graph in words for screen readers: the program, the circuit and the analysis, the
// legend's values as the engine drew them, and the read-out held at a point. The region is a
// polite live region; it is rewritten only when its text changes, so an unchanged redraw
// says nothing again.
export function graphText(region, programName) {
  let description = '';
  let readout = '';
  let shown = null;
  const render = () => {
    const lines = [programName, ...description.split('\n').filter(Boolean)];
    if (readout) lines.push(readout);
    const text = lines.join('\n');
    if (text === shown) return;
    shown = text;
    region.replaceChildren(...lines.map((line) => {
      const p = document.createElement('p');
      p.textContent = line;
      return p;
    }));
  };
  return {
    drawn(text) {
      description = text;
      render();
    },
    held(text) {
      readout = text;
      render();
    },
  };
}
