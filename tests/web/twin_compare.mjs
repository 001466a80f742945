// The Node twin of tessaly-render against the native one: the same arguments must give the
// same bytes and the same exit status; the same awkward targets (a device, a FIFO, a link, a
// private file, a long name, a closed standard output, a FIFO to read) the same files, exit
// status and messages. Usage:
//   node twin_compare.mjs NATIVE_RENDERER TWIN_JS [RANDOM_SEQUENCES]
import { spawn, execFileSync } from 'node:child_process';
import {
  mkdtempSync, readFileSync, existsSync, rmSync, writeFileSync, mkdirSync, symlinkSync, lstatSync,
  chmodSync, lchownSync, readdirSync,
} from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

const [nativeGiven, twinGiven, randomCountText] = process.argv.slice(2);
if (!nativeGiven || !twinGiven) {
  console.error('usage: node twin_compare.mjs NATIVE_RENDERER TWIN_JS [RANDOM_SEQUENCES]');
  process.exit(2);
}
// Absolute: the awkward targets run in folders of their own.
const native = resolve(nativeGiven);
const twin = resolve(twinGiven);
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

// The teaching views: every circuit of every program with a marker (on and off the sweep, a
// curve past the last) and the diagram, in every text format; exercise sheets from random
// seeds, with and without their answers.
function teachingCases(exercisesPerKind) {
  const textFormats = [...formats, 'phasors'];
  for (const [id, p] of Object.entries(programs)) {
    for (let c = 1; c <= p.circuits; ++c) {
      for (const f of textFormats) {
        add([id, '--do', `30${c}`, '--marker', pick(['1000', '250', '4.7k', '33000']), '--phasor', '--format', f]);
      }
      add([id, '--do', `30${c},404`, '--marker', '1e308', '--curve', '2', '--format', pick(textFormats)]);
    }
    add([id, '--marker', '1000', '--curve', '9', '--format', 'phasors']);
  }
  for (const [kind, ids] of [['f0', ['ombra', 'velto']], ['q', ['ombra']]]) {
    for (let n = 0; n < exercisesPerKind; ++n) {
      const args = [pick(ids), '--exercise', kind, '--seed', String(1 + random(100000))];
      for (const reveal of [false, true]) add([...args, ...(reveal ? ['--reveal'] : []), '--format', pick(formats)]);
    }
  }
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

// Each renderer in a folder of its own, set up alike, with the same relative names, so that
// their messages must be equal too. `shell` runs the command through sh (to close a
// descriptor); `during` runs while the renderer does (a FIFO's other end).
function runIn(folder, command, args, shell, during) {
  return new Promise((resolve) => {
    const child = shell
      ? spawn('sh', ['-c', `exec "$0" "$@" ${shell}`, command, ...args], { cwd: folder, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } })
      : spawn(command, args, { cwd: folder, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
    const stderr = [];
    child.stderr.on('data', (d) => stderr.push(d));
    const other = during ? during(folder) : Promise.resolve(null);
    child.on('close', async (status) => resolve({ status, stderr: Buffer.concat(stderr).toString('latin1'), seen: await other }));
  });
}

// What a folder holds: each name's type, mode, owner and bytes (or link target).
function describeFolder(folder) {
  const out = {};
  for (const name of readdirSync(folder).sort()) {
    const at = join(folder, name);
    const info = lstatSync(at);
    const type = info.isSymbolicLink() ? 'link' : info.isFIFO() ? 'fifo' : info.isCharacterDevice() ? 'chr' : info.isFile() ? 'file' : 'other';
    const content = type === 'link' ? execFileSync('readlink', [at]).toString() : type === 'file' ? readFileSync(at).toString('base64') : '';
    out[name] = `${type} ${(info.mode & 0o7777).toString(8)} ${info.uid} ${content.length} ${content.slice(0, 64)}`;
  }
  return JSON.stringify(out, null, 1);
}

const asRoot = process.getuid() === 0;
const awkwardCases = [
  { name: 'a new file', args: ['quirn', '--format', 'dat', '-o', 'new.dat'] },
  { name: 'a private file', setup: (f) => { writeFileSync(join(f, 'private.dat'), 'x'); chmodSync(join(f, 'private.dat'), 0o600); }, args: ['quirn', '--format', 'dat', '-o', 'private.dat'] },
  { name: 'a link', setup: (f) => { writeFileSync(join(f, 'real.dat'), 'x'); symlinkSync('real.dat', join(f, 'link.dat')); }, args: ['velto', '--format', 'dat', '-o', 'link.dat'] },
  { name: 'a dangling link', setup: (f) => symlinkSync('made.dat', join(f, 'link.dat')), args: ['velto', '--format', 'csv', '-o', 'link.dat'] },
  { name: 'a 255-byte name', args: ['ombra', '--format', 'dat', '-o', 'n'.repeat(251) + '.dat'] },
  { name: 'a 256-byte name', args: ['ombra', '--format', 'dat', '-o', 'n'.repeat(252) + '.dat'] },
  { name: 'a missing folder', args: ['ombra', '--format', 'dat', '-o', 'missing/out.dat'] },
  { name: 'a folder', setup: (f) => mkdirSync(join(f, 'folder')), args: ['ombra', '--format', 'dat', '-o', 'folder'] },
  { name: 'a control byte in the name', args: ['ombra', '--format', 'dat', '-o', 'missing/\x1b[2J\u00e9'] },
  { name: 'a FIFO to write', setup: (f) => execFileSync('mkfifo', [join(f, 'pipe')]),
    // The reader gives up after a while, should a renderer never open the FIFO.
    during: (f) => new Promise((resolve) => { const cat = spawn('cat', [join(f, 'pipe')]); const got = []; cat.stdout.on('data', (d) => got.push(d)); setTimeout(() => cat.kill(), 20000).unref(); cat.on('close', () => resolve(Buffer.concat(got).length)); }),
    args: ['quirn', '--format', 'trace', '-o', 'pipe'] },
  { name: 'a FIFO to read', setup: (f) => execFileSync('mkfifo', [join(f, 'pipe')]), args: ['quirn', '--read', 'pipe', '--format', 'dat', '-o', 'out.dat'] },
  { name: 'a closed standard output', args: ['quirn', '--format', 'trace'], shell: '>&-' },
  { name: 'a full device', args: ['quirn', '--format', 'dat', '-o', '/dev/full'] },
  { name: 'a marker outside the sweep', args: ['ombra', '--marker', '1e308', '--format', 'phasors', '-o', 'out.csv'] },
];
if (asRoot) {
  awkwardCases.push(
    { name: 'a device node', setup: (f) => execFileSync('mknod', [join(f, 'null'), 'c', '1', '3']), args: ['quirn', '--format', 'dat', '-o', 'null'] },
    { name: 'a link planted in a sticky folder', setup: (f) => { chmodSync(f, 0o1777); writeFileSync(join(f, 'victim'), 'x'); chmodSync(join(f, 'victim'), 0o600); symlinkSync('victim', join(f, 'shared.dat')); lchownSync(join(f, 'shared.dat'), 65534, 65534); }, args: ['ombra', '--format', 'dat', '-o', 'shared.dat'] },
  );
}

async function compareAwkward(c) {
  const results = [];
  for (const [command, prefix] of [[native, []], ['node', [twin]]]) {
    const folder = mkdtempSync(join(work, 'awkward-'));
    if (c.setup) c.setup(folder);
    const r = await runIn(folder, command, [...prefix, ...c.args], c.shell, c.during);
    results.push({ ...r, files: describeFolder(folder) });
    rmSync(folder, { recursive: true, force: true });
  }
  const [n, t] = results;
  if (n.status !== t.status) return `exit status ${n.status} against ${t.status}: ${t.stderr.trim()}`;
  if (n.stderr !== t.stderr) return `messages differ:\n${n.stderr}against\n${t.stderr}`;
  if (n.files !== t.files) return `files differ:\n${n.files}\nagainst\n${t.files}`;
  if (n.seen !== t.seen) return `read ${n.seen} bytes from the FIFO against ${t.seen}`;
  return null;
}

prepareDataFiles();
const awkwardFailures = [];
for (const c of awkwardCases) {
  const problem = await compareAwkward(c);
  if (problem) awkwardFailures.push(`${c.name}: ${c.args.join(' ')}\n    ${problem}`);
}
fixedCases();
randomCases();
teachingCases(200);
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
console.log(`${awkwardCases.length - awkwardFailures.length} of ${awkwardCases.length} awkward targets give the same files, messages and exit status`);
for (const f of awkwardFailures) console.log('DIFFERENT: ' + f);
console.log(`${cases.length - failures.length} of ${cases.length} cases give the same bytes and exit status`);
for (const f of failures.slice(0, 20)) console.log('DIFFERENT: ' + f);
process.exit(failures.length || awkwardFailures.length ? 1 : 0);
