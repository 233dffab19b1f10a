// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the page calls it: core.wasm's functions (web/page_core.cpp),
// texts passed as UTF-8 in its memory, answers read back as the JSON of
// web/contract.json and parsed at once.

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// Why the core could not start, for the page to say.
export class CoreMissing extends Error {
  constructor(reason) {
    super(reason);
    this.reason = reason;  // 'webassembly' or 'files'
  }
}

async function instantiate(imports, source) {
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function')
    throw new CoreMissing('webassembly');
  let response;
  try {
    response = await source();
  } catch {
    throw new CoreMissing('files');
  }
  if (!response.ok) throw new CoreMissing('files');
  // Compiled as it comes where the host serves it as WebAssembly, from its
  // bytes where under another type (streaming refuses that). The response is
  // read once: a copy kept for the second way made a phone's first way slower.
  const streamed = typeof WebAssembly.instantiateStreaming === 'function' &&
    (response.headers.get('Content-Type') ?? '').startsWith('application/wasm');
  try {
    if (streamed) return (await WebAssembly.instantiateStreaming(response, imports)).instance;
    return (await WebAssembly.instantiate(await response.arrayBuffer(), imports)).instance;
  } catch (error) {
    console.error(error);
    throw new CoreMissing('files');
  }
}

// What the C library may ask of the system: only the error stream exists,
// and it goes to the console (the last words before the core stops). Which
// of these a build imports depends on the compiler's version.
const SUCCESS = 0, BAD_DESCRIPTOR = 8, NOT_SEEKABLE = 70, STDERR = 2;
function systemCalls(bytes) {
  return {
    proc_exit: (status) => { throw new Error(`the core ended (${status})`); },
    fd_write: (descriptor, vectors, count, written) => {
      if (descriptor !== STDERR) return BAD_DESCRIPTOR;
      const memory = bytes();
      const words = new DataView(memory.buffer);
      let text = '', total = 0;
      for (let i = 0; i < count; ++i) {
        const at = words.getUint32(vectors + 8 * i, true);
        const length = words.getUint32(vectors + 8 * i + 4, true);
        text += decoder.decode(memory.subarray(at, at + length));
        total += length;
      }
      console.error(text);
      words.setUint32(written, total, true);
      return SUCCESS;
    },
    fd_close: () => SUCCESS,
    fd_seek: () => NOT_SEEKABLE,
  };
}

export class Core {
  // `source()` gives the response that brings core.wasm.
  static async start(source) {
    const core = new Core();
    core.exports = (await instantiate({
      env: { emscripten_notify_memory_growth: () => {} },
      wasi_snapshot_preview1: systemCalls(() => core.bytes()),
    }, source)).exports;
    core.exports._initialize();
    return core;
  }

  bytes() {
    return new Uint8Array(this.exports.memory.buffer);
  }

  // What a function answered: the JSON text it left at `at`, up to its end.
  answer(at) {
    const bytes = this.bytes();
    const end = bytes.indexOf(0, at);
    return JSON.parse(decoder.decode(bytes.subarray(at, end)));
  }

  // Calls a function of the core, each text argument passed as its place in
  // the core's memory and its length in bytes.
  call(name, ...args) {
    const passed = [];
    const held = [];
    for (const arg of args) {
      if (typeof arg !== 'string') {
        passed.push(arg);
        continue;
      }
      const utf8 = encoder.encode(arg);
      const at = this.exports.malloc(utf8.length + 1);
      this.bytes().set(utf8, at);
      held.push(at);
      passed.push(at, utf8.length);
    }
    try {
      return this.exports[name](...passed);
    } finally {
      for (const at of held) this.exports.free(at);
    }
  }

  // The window loaded, figures read and written with `separator`, with what
  // the page kept from its last visit: [name, text] pairs, which the core
  // takes or drops.
  load(separator, kept = []) {
    this.call('create', separator);
    for (const [name, value] of kept) this.call('restore', name, value);
    return this.answer(this.call('load'));
  }
  type(input, text) { return this.answer(this.call('type', input, text)); }
  enter(input, caret, byClick) {
    return this.answer(this.call('enter', input, caret, byClick ? 1 : 0));
  }
  togglePanel() { return this.answer(this.call('togglePanel')); }
  // The browser's place in degrees; or why it gave none: 'refused',
  // 'unavailable' or 'unsupported'.
  useLocation(latitude, longitude) {
    return this.answer(this.call('useLocation', latitude, longitude));
  }
  locationFailed(why) {
    return this.answer(this.call('locationFailed',
                                 ['refused', 'unavailable', 'unsupported'].indexOf(why)));
  }
  paste(input, start, length, text) {
    return this.answer(this.call('paste', input, start, length, text));
  }
  keypadDecimal(input, start, length) {
    return this.answer(this.call('keypadDecimal', input, start, length));
  }

  // Where a stretched picture meets the visible part along one axis: four
  // numbers a span (source start and length, target start and length).
  spans(targetStart, targetLength, sourceSize, visibleStart, visibleEnd) {
    const at = this.call('spans', targetStart, targetLength, sourceSize, visibleStart, visibleEnd);
    const words = new Int32Array(this.exports.memory.buffer, at, 1);
    return [...new Int32Array(this.exports.memory.buffer, at + 4, words[0] * 4)];
  }

  wholeLength(targetStart, targetLength, cap) {
    return this.exports.wholeLength(targetStart, targetLength, cap);
  }
}
