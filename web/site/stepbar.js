// The bar that touch screens show in place of the keys: the commands the engine names for
// it (each constant's steps, redraw, overlay, clear), with the menus' own texts.
export function buildStepBar(bar, menu, commands, run) {
  const texts = new Map();
  for (const popup of menu) for (const item of popup.items) texts.set(item.command, item.text);
  bar.replaceChildren(...commands.filter((command) => texts.has(command)).map((command) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.dataset.command = String(command);
    button.textContent = texts.get(command).trim();
    button.addEventListener('click', () => run(command));
    return button;
  }));
  // Touch screens without a keyboard: a coarse pointer, or the first finger on the page.
  const coarse = window.matchMedia?.('(pointer: coarse)');
  const show = () => {
    if (coarse?.matches || navigator.maxTouchPoints > 0) document.body.classList.add('touch');
  };
  show();
  coarse?.addEventListener?.('change', show);
  window.addEventListener('touchstart', () => document.body.classList.add('touch'), { once: true, passive: true });
}
