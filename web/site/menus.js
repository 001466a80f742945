// The menu bar of a program: its pop-ups and commands with their own texts, by pointer and
// by keyboard (F10 or Alt to enter, arrows to move, Enter to choose, Escape to leave).
// A pop-up that would reach past the page's right edge moves left, so that nothing scrolls
// sideways on a narrow screen.
function keepInView(list) {
  list.style.left = '';
  const rect = list.getBoundingClientRect();
  const over = rect.right - document.documentElement.clientWidth;
  if (over > 0) list.style.left = `${-Math.min(over + 4, rect.left)}px`;
}

export function buildMenuBar(bar, menu, run) {
  bar.replaceChildren();
  const tops = [];
  const close = () => {
    for (const t of tops) {
      t.button.setAttribute('aria-expanded', 'false');
      t.list.hidden = true;
    }
  };
  const open = (index, focusItem) => {
    close();
    const t = tops[index];
    t.button.setAttribute('aria-expanded', 'true');
    t.list.hidden = false;
    keepInView(t.list);
    if (focusItem) t.items[0]?.focus();
    else t.button.focus();
  };
  const leave = () => {
    close();
    document.getElementById('graph').focus({ preventScroll: true });
  };
  menu.forEach((popup, index) => {
    const wrap = document.createElement('div');
    wrap.className = 'popup';
    wrap.setAttribute('role', 'none');
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'top';
    button.textContent = popup.text;
    button.setAttribute('role', 'menuitem');
    button.id = `menu-${index}`;
    button.setAttribute('aria-haspopup', 'menu');
    button.setAttribute('aria-expanded', 'false');
    const list = document.createElement('div');
    list.className = 'items';
    list.setAttribute('role', 'menu');
    list.setAttribute('aria-labelledby', button.id);
    list.hidden = true;
    const items = popup.items.map((item) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.setAttribute('role', 'menuitem');
      b.dataset.command = String(item.command);
      b.textContent = item.text;
      b.addEventListener('click', () => {
        leave();
        run(item.command);
      });
      list.append(b);
      return b;
    });
    button.addEventListener('click', () => (list.hidden ? open(index, false) : close()));
    button.addEventListener('mouseenter', () => {
      if (tops.some((t) => !t.list.hidden)) open(index, false);
    });
    wrap.append(button, list);
    bar.append(wrap);
    tops.push({ button, list, items });
  });
  bar.addEventListener('keydown', (event) => {
    const top = tops.findIndex((t) => t.button === document.activeElement || t.items.includes(document.activeElement));
    if (top < 0) return;
    const t = tops[top];
    const item = t.items.indexOf(document.activeElement);
    const n = tops.length;
    let handled = true;
    switch (event.key) {
      case 'ArrowRight': open((top + 1) % n, item >= 0); break;
      case 'ArrowLeft': open((top + n - 1) % n, item >= 0); break;
      case 'ArrowDown':
        if (item < 0) open(top, true);
        else t.items[(item + 1) % t.items.length].focus();
        break;
      case 'ArrowUp':
        if (item < 0) { open(top, true); t.items[t.items.length - 1].focus(); }
        else t.items[(item + t.items.length - 1) % t.items.length].focus();
        break;
      case 'Enter':
      case ' ':
        if (item < 0) open(top, true);
        else t.items[item].click();
        break;
      case 'Escape': case 'F10': case 'Alt': leave(); break;
      default: handled = event.key.length !== 1 ? false : true;  // letters do not reach the graph
    }
    if (handled) {
      event.preventDefault();
      event.stopPropagation();
    }
  });
  document.addEventListener('click', (event) => {
    if (!bar.contains(event.target)) close();
  });
  return { enter: () => open(0, false), close };
}
