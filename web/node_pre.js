// Node 18 and later offer fetch, which the loader would try on a file path; the module is
// inlined, so Node's own file reading is all it needs.
if (typeof process === 'object' && typeof globalThis.fetch === 'function') {
  globalThis.fetch = undefined;
}
