// The engine's code, fetched and compiled while the page's other modules load: index.html
// starts this module on its own, before the page's module graph is complete. A server that
// sends the engine with another type than application/wasm cannot stream it; the engine then
// compiles from the downloaded bytes.
const url = new URL('tessaly-engine.wasm', import.meta.url);

// A browser without WebAssembly gets a refusal the page can explain, not a module that fails
// to load.
export const engineCode = typeof WebAssembly === 'undefined'
  ? Promise.reject(new Error('this browser has no WebAssembly'))
  : WebAssembly.compileStreaming(fetch(url, { credentials: 'same-origin' }))
    .catch(async () => WebAssembly.compile(await (await fetch(url, { credentials: 'same-origin' })).arrayBuffer()));
