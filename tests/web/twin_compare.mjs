// The Node twin of tessaly-render against the native one: the same arguments must give the
// same bytes and the same exit status. Usage:
//   node twin_compare.mjs NATIVE_RENDERER TWIN_JS [RANDOM_SEQUENCES]
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, existsSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const [native, twin, randomCountText] = process.argv.slice(2);
if (!native || !twin) {
  console.error('usage: node twin_compare.mjs NATIVE_RENDERER TWIN_JS [RANDOM_SEQUENCES]');
  process.exit(2);
}
const randomCount = Number(randomCountText ?? 300);
const work = mkdtempSync(join(tmpdir(), 'tessaly-twin-'));

const programs = {
  ombra: { circuits: 2, analyses: 4, steps: [501, 502, 503], sets: ['circuit_constants', 'graph_constants', 'display_magnification', 'print_magnification'] },
  velto: { circuits: 4, analyses: 3, steps: [501, 502, 503, 504, 505], sets: ['circuit_constants', 'graph_constants', 'display_magnification', 'print_magnification'] },
  quirn: { circuits: 4, analyses: 2, steps: [501, 502, 503], sets: ['circuit_constants', 'graph_constants'] },
};
const formats = ['trace', 'trace-print', 'dat', 'csv'];

// A small deterministic generator, so that a failing sequence can be run again.
let seed = 20261209;
function random(n) {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return Math.floor((seed / 2147483648) * n);
}
const pick = (list) => list[random(list.length)];

// Data files to read: the start-up curves of each program, and a short and an odd one.
const dataFiles = [];
function prepareDataFiles() {
  const short = join(work, 'short.dat');
  const odd = join(work, 'odd.dat');
  const bytes = Buffer.alloc(4008 + 101);
  for (let i = 0; i + 8 <= bytes.length; i += 8) bytes.writeDoubleLE(10 + 7 * Math.sin(i / 72), i);
  writeFileSync(short, bytes.subarray(0, 4008));
  writeFileSync(odd, bytes);
  dataFiles.push(short, odd);
}

const cases = [];
function add(args) {
  cases.push(args);
}

function fixedCases() {
  const golden = [['ombra'], ['ombra', '--do', '404'], ['velto'], ['velto', '--do', '303'], ['quirn'], ['quirn', '--do', '304']];
  for (const g of golden) for (const f of formats) add([...g, '--format', f]);
  for (const [id, p] of Object.entries(programs)) {
    for (let a = 1; a <= p.analyses; ++a) {
      for (let c = 1; c <= 9; ++c) add([id, '--do', `${400 + a},k${c}`, '--format', pick(formats)]);
    }
    for (const file of dataFiles) add([id, '--read', file, '--do', '204', '--format', 'trace']);
  }
  add(['ombra', '--set', 'circuit_constants=-0.005,2e-3x,abc', '--format', 'dat']);
  add(['velto', '--set', 'graph_constants=0,100,,5,1000', '--format', 'trace']);
  add(['ombra', '--do', '999', '--format', 'trace']);
  // The teaching views: worksheets by seed (their values pass through log10 and pow on both
  // sides), answers, the diagram with the projector setting, and the phasors' CSV.
  for (const n of ['1', '2', '17', '30']) {
    add(['ombra', '--exercise', 'q', '--seed', n, '--reveal', '--format', 'trace']);
    add(['ombra', '--exercise', 'f0', '--seed', n, '--format', 'trace']);
    add(['velto', '--exercise', 'f0', '--seed', n, '--reveal', '--format', 'trace']);
  }
  add(['ombra', '--do', '302', '--marker', '1006.6', '--curve', '3', '--phasor', '--thick', '--format', 'trace']);
  add(['velto', '--do', '304', '--marker', '990', '--phasor', '--format', 'phasors']);
}

function setValue() {
  return pick(['0.001', '2.5e-3', '1e-05', '-47', '3000', '100000', '10', '0.5', '250', '1.2', 'x', '', '7e2z']);
}

function randomCases() {
  for (let n = 0; n < randomCount; ++n) {
    const id = pick(Object.keys(programs));
    const p = programs[id];
    const args = [id];
    let steps = [];
    const flush = () => {
      if (steps.length) args.push('--do', steps.join(','));
      steps = [];
    };
    const length = 1 + random(8);
    for (let i = 0; i < length; ++i) {
      const kind = random(10);
      if (kind < 2) steps.push(300 + 1 + random(p.circuits));
      else if (kind < 4) steps.push(400 + 1 + random(p.analyses));
      else if (kind < 6) steps.push(pick(p.steps));
      else if (kind < 7) steps.push(200 + 1 + random(4));
      else if (kind < 8) steps.push('k' + pick(['1', '2', '3', '4', '5', '9', 'a', 'b', 'c', 'p', 'q', 'r']));
      else if (kind < 9) {
        flush();
        const name = pick(p.sets);
        const count = name.endsWith('magnification') ? 1 : 1 + random(5);
        const values = Array.from({ length: Math.min(count, name === 'circuit_constants' ? (id === 'velto' ? 2 : 3) : 5) }, setValue);
        args.push('--set', `${name}=${values.join(',')}`);
      } else {
        flush();
        args.push('--read', pick(dataFiles));
      }
    }
    flush();
    args.push('--format', pick(formats));
    add(args);
  }
}

function run(command, args, output) {
  return new Promise((resolve) => {
    const child = spawn(command, [...args, '--output', output], {
      env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
    });
    const stderr = [];
    child.stderr.on('data', (d) => stderr.push(d));
    child.on('close', (status) => {
      const bytes = existsSync(output) ? readFileSync(output) : null;
      resolve({ status, bytes, stderr: Buffer.concat(stderr).toString() });
    });
  });
}

async function compare(args, index) {
  const a = join(work, `${index}.native`);
  const b = join(work, `${index}.twin`);
  const [n, t] = await Promise.all([run(native, args, a), run('node', [twin, ...args], b)]);
  rmSync(a, { force: true });
  rmSync(b, { force: true });
  if (n.status !== t.status) return `exit status ${n.status} against ${t.status}: ${t.stderr.trim()}`;
  if ((n.bytes === null) !== (t.bytes === null)) return 'one wrote a file, the other did not';
  if (n.bytes && !n.bytes.equals(t.bytes)) {
    let at = 0;
    while (at < n.bytes.length && n.bytes[at] === t.bytes[at]) ++at;
    return `bytes differ from offset ${at} (${n.bytes.length} against ${t.bytes.length} bytes)`;
  }
  return null;
}

prepareDataFiles();
fixedCases();
randomCases();
const failures = [];
// Two cases at a time: one per core.
let next = 0;
async function worker() {
  while (next < cases.length) {
    const i = next++;
    const problem = await compare(cases[i], i);
    if (problem) failures.push(`${cases[i].join(' ')}\n    ${problem}`);
  }
}
await Promise.all([worker(), worker()]);
rmSync(work, { recursive: true, force: true });
console.log(`${cases.length - failures.length} of ${cases.length} cases give the same bytes and exit status`);
for (const f of failures.slice(0, 20)) console.log('DIFFERENT: ' + f);
process.exit(failures.length ? 1 : 0);
