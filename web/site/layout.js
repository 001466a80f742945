// The canvas's size in CSS pixels from the room the page leaves it: the display
// magnification's size where it fits, else as large as fits the width (and, in landscape,
// the height above the status line), always at the graph's own proportions.

// The room for the graph: the page's width, and in landscape the viewport's height less what
// sits above the graph and what must stay in view below it.
export function graphRoom(picture, below) {
  const width = document.documentElement.clientWidth;
  const landscape = window.innerWidth > window.innerHeight;
  if (!landscape) return { width, height: Infinity };
  const above = picture.getBoundingClientRect().top + window.scrollY;
  const under = below.reduce((sum, element) => sum + element.getBoundingClientRect().height, 0);
  return { width, height: Math.max(1, window.innerHeight - above - under) };
}

// trunc(w m) by trunc(h m) for the largest m up to the magnification that fits the room; one
// scale for both axes.
export function fitMapping(logical, magnification, room) {
  const m = Math.min(magnification, room.width / logical.width, room.height / logical.height);
  const width = Math.max(1, Math.trunc(logical.width * m));
  const height = Math.max(1, Math.trunc(logical.height * m));
  return { width, height, scale: Math.min(width / logical.width, height / logical.height) };
}

// Calls changed() once after the window's size or orientation settles on a new value, or
// after one of the elements around the graph (menus that wrap anew, the step bar that shows
// with the first touch, a status line that takes a second line) changes its size.
export function onRoomChange(changed, around) {
  let frame = 0;
  const later = () => {
    cancelAnimationFrame(frame);
    frame = requestAnimationFrame(changed);
  };
  window.addEventListener('resize', later);
  window.visualViewport?.addEventListener('resize', later);
  const observer = new ResizeObserver(later);
  for (const element of around) observer.observe(element);
}
