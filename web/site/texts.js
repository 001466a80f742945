// The page's own texts in the page's language, from the engine's catalog (the source text
// itself until the engine is there, and where the catalog has no translation).
let lookup = (source) => source;

export function useCatalog(engine) {
  lookup = engine.localized;
}

// `source` translated, with each %s filled in turn.
export function t(source, ...values) {
  let next = 0;
  return lookup(source).replace(/%s/g, () => String(values[next++]));
}
