// The pointer over the graph, by mouse, pen or finger, in one place: a move or a finger's
// drag moves the read-out, a tap or a click holds it at that point, and a mouse leaving the
// graph lets it go. Positions are in CSS pixels from the canvas's top-left corner.
const TAP_SLOP = 10;  // CSS pixels a finger may wander and still tap

export function followPointer(canvas, { moved, held, left }) {
  let down = null;
  const at = (event) => {
    const rect = canvas.getBoundingClientRect();
    return { x: event.clientX - rect.left, y: event.clientY - rect.top };
  };
  canvas.addEventListener('pointerdown', (event) => {
    down = { x: event.clientX, y: event.clientY, id: event.pointerId };
    // A finger keeps its events while it drags off the graph's edge.
    canvas.setPointerCapture?.(event.pointerId);
    moved(at(event));
  });
  canvas.addEventListener('pointermove', (event) => {
    if (event.pointerType === 'touch' && !down) return;
    moved(at(event));
  });
  canvas.addEventListener('pointerup', (event) => {
    if (down && down.id === event.pointerId &&
        Math.hypot(event.clientX - down.x, event.clientY - down.y) <= TAP_SLOP) {
      held(at(event));
    }
    down = null;
  });
  canvas.addEventListener('pointercancel', () => {
    down = null;
  });
  // A finger that lifts leaves its read-out where it was; only a hovering pointer leaves.
  canvas.addEventListener('pointerleave', (event) => {
    if (event.pointerType !== 'touch') left();
  });
}
