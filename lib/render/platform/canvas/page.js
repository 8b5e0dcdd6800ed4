// The canvas back-end's side in the page (canvas/backend.cpp calls it), put before the
// program's own code by the linker (--pre-js).
//
// The page has one <canvas id="canvas">; its drawing buffer is the 640 x 480 screen and
// CSS scales it by a whole number, so getImageData reads back the framebuffer's colours.
// The program's files are packed into /package; at start they are copied into the
// program's folder, /program/PAGE (PAGE is the page's name: /program/zeftest for
// zeftest.html), which is also its working folder. That folder is kept in the browser's
// storage (IndexedDB) across reloads of the page, apart from other pages' folders: what
// the program writes there (state files, logs) is stored soon after, and again when the
// program ends.
Module.vxcanvas = (() => {
  const WIDTH = 640, HEIGHT = 480;
  const PAGE = typeof location === 'undefined' ? 'program' :
      location.pathname.replace(/^.*\//, '').replace(/\.html?$/, '') || 'program';
  const FOLDER = '/program/' + PAGE, PACKAGE = '/package';
  // The back-end's message kinds (backend.h).
  const PAINT = 0, PRESS = 1, RELEASE = 2, MOVE = 3, KEY = 4;
  const queue = [];
  let wake = null;      // ends the program's sleep
  let waiting = false;  // the program sleeps, all it was handed done
  let canvas = null, context = null, image = null, pixels = null;
  let frame = 0;        // the framebuffer's address while a new frame waits to be shown
  let shown = 0;        // frames shown
  let scale = 0;        // 0: the largest whole number that fits the page
  let opened = false, listening = false;
  let start = 0;
  let audio = null;
  let dirty = false, syncing = false, lastsync = 0;
  let firstframe = 0;
  const stored = [];  // waiting for the storage to have everything
  const saved = {};  // the files of the folder as the storage gave them back, for tests

  function push(kind, x, y, key) {
    if (!opened) return;
    queue.push([kind, x, y, key]);
    if (wake) wake();
  }

  // Page pixels to screen pixels, whatever the CSS scale; outside the canvas too, where a
  // captured release may be.
  function position(event) {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((event.clientX - box.left) * WIDTH / box.width),
            Math.floor((event.clientY - box.top) * HEIGHT / box.height)];
  }

  function pointer(kind) {
    return (event) => {
      if (kind !== MOVE && event.button !== 0) return;
      if (kind === PRESS) canvas.setPointerCapture(event.pointerId);
      event.preventDefault();
      const [x, y] = position(event);
      push(kind, x, y, 0);
    };
  }

  const NAMED = {ArrowLeft: 28, ArrowRight: 29, ArrowUp: 30, ArrowDown: 31, Backspace: 8,
                 Delete: 8, Enter: 13, Escape: 27, Tab: 9};

  // The codes the desktop gives: named keys, Control and a letter its control code,
  // printable characters that fit in 8 bits; other keys are left to the browser.
  function keycode(event) {
    if (event.key in NAMED) return NAMED[event.key];
    if (event.key.length !== 1 || event.altKey || event.metaKey) return -1;
    if (event.ctrlKey) {
      const letter = event.key.toLowerCase().charCodeAt(0);
      return letter >= 97 && letter <= 122 ? letter - 96 : -1;
    }
    const code = event.key.charCodeAt(0);
    return code >= 32 && code < 256 ? code : -1;
  }

  function key(event) {
    const code = keycode(event);
    if (code < 0) return;
    event.preventDefault();
    push(KEY, 0, 0, code);
  }

  // The CSS size: the largest whole scale that fits the window, or the one asked for.
  function fit() {
    let s = scale;
    if (s === 0) {
      s = Math.max(1, Math.min(Math.floor(window.innerWidth / WIDTH),
                               Math.floor(window.innerHeight / HEIGHT), 8));
    }
    canvas.style.width = WIDTH * s + 'px';
    canvas.style.height = HEIGHT * s + 'px';
  }

  function listen() {
    if (listening) return;
    listening = true;
    canvas.addEventListener('pointerdown', pointer(PRESS));
    canvas.addEventListener('pointerup', pointer(RELEASE));
    canvas.addEventListener('pointermove', pointer(MOVE));
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    window.addEventListener('keydown', key);
    window.addEventListener('resize', fit);
  }

  // 0x00RRGGBB words to the canvas's RGBA bytes, once per animation frame.
  function show() {
    if (!frame || !opened) return;
    const from = frame >> 2;
    frame = 0;
    for (let i = 0; i < WIDTH * HEIGHT; i++) {
      const p = HEAPU32[from + i];
      pixels[i] = 0xFF000000 | ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >>> 16) & 0xFF);
    }
    context.putImageData(image, 0, 0);
    if (!shown++) firstframe = performance.now();
  }

  // The program's folder to the browser's storage, when something in it changed.
  function store() {
    if (!dirty || syncing) return;
    dirty = false;
    syncing = true;
    lastsync = performance.now();
    FS.syncfs(false, (error) => {
      if (error) err('The program\'s files could not be stored: ' + error);
      syncing = false;
      // What changed while storing, and the end of the program, are stored at once.
      if (dirty && !opened) store();
      if (!syncing) stored.splice(0).forEach((resolve) => resolve());
    });
  }

  function watchwrites() {
    for (const name of ['write', 'rename', 'unlink', 'truncate']) {
      const original = FS[name];
      FS[name] = function() {
        dirty = true;
        return original.apply(this, arguments);
      };
    }
  }

  // Whatever the program wrote before, then the page's own files over it.
  function restore() {
    FS.mkdirTree(FOLDER);
    FS.mount(IDBFS, {}, FOLDER);
    addRunDependency('vxstate');
    FS.syncfs(true, (error) => {
      if (error) err('The saved files could not be read: ' + error);
      removeRunDependency('vxstate');
    });
    addOnInit(() => {
      for (const name of FS.readdir(FOLDER)) {
        const path = FOLDER + '/' + name;
        if (FS.isFile(FS.stat(path).mode)) saved[name] = FS.readFile(path, {encoding: 'utf8'});
      }
      if (FS.analyzePath(PACKAGE).exists) copy(PACKAGE, FOLDER);
      FS.chdir(FOLDER);
      watchwrites();
    });
  }

  function copy(from, to) {
    for (const name of FS.readdir(from)) {
      if (name === '.' || name === '..') continue;
      const source = from + '/' + name, target = to + '/' + name;
      if (FS.isDir(FS.stat(source).mode)) {
        if (!FS.analyzePath(target).exists) FS.mkdir(target);
        copy(source, target);
      } else {
        FS.writeFile(target, FS.readFile(source));
      }
    }
  }

  // The end, said on the page instead of a canvas that no longer changes.
  function ended(text) {
    opened = false;
    if (wake) wake();
    dirty = true;
    store();
    const box = document.getElementById('ended');
    if (box) {
      box.textContent = text;
      box.hidden = false;
    }
    if (canvas) canvas.hidden = true;
  }

  // The program lives in its folder, named as the page; the page's query is its command
  // line (zeftest.html?--vx-scale=2 runs it with --vx-scale=2).
  if (typeof location !== 'undefined') {
    Module.thisProgram = Module.thisProgram || FOLDER + '/' + PAGE;
    Module.arguments = Module.arguments ||
        decodeURIComponent(location.search.slice(1).replace(/\+/g, ' '))
            .split(/[&\s]+/).filter((word) => word !== '');
  }
  Module.preRun = [].concat(Module.preRun || [], [restore]);
  // The storage opens while the program downloads (the program's start waits for it),
  // once the rest of the script has defined it.
  if (typeof indexedDB !== 'undefined') {
    Promise.resolve().then(() => IDBFS.getDB(FOLDER, () => {}));
  }
  Module.onExit = () => ended('The program has ended');
  // exit() leaves the program by throwing, out of whatever event woke it.
  if (typeof window !== 'undefined') {
    window.addEventListener('unhandledrejection', (event) => {
      if (event.reason instanceof ExitStatus) event.preventDefault();
    });
    window.addEventListener('error', (event) => {
      if (event.error instanceof ExitStatus) event.preventDefault();
    });
  }
  Module.onAbort = () => ended('The program has ended: it stopped on an error');

  return {
    open(title, asked) {
      canvas = Module.canvas || document.getElementById('canvas');
      if (!canvas) return 0;
      canvas.width = WIDTH;
      canvas.height = HEIGHT;
      canvas.style.imageRendering = 'pixelated';
      context = canvas.getContext('2d');
      image = context.createImageData(WIDTH, HEIGHT);
      pixels = new Uint32Array(image.data.buffer);
      document.title = title;
      scale = asked;
      fit();
      listen();
      queue.length = 0;
      opened = true;
      start = performance.now();
      return 1;
    },
    close() {
      opened = false;
      queue.length = 0;
      store();
    },
    present(address) {
      if (!frame) requestAnimationFrame(show);
      frame = address;
    },
    poll(message) {
      const next = queue.shift();
      if (!next) return 0;
      HEAP32.set(next, message >> 2);
      return 1;
    },
    sleep(timeout) {
      if (dirty && performance.now() - lastsync > 500) store();
      return new Promise((resolve) => {
        let timer = 0;
        wake = () => {
          wake = null;
          waiting = false;
          clearTimeout(timer);
          resolve();
        };
        if (timeout >= 0) timer = setTimeout(wake, timeout);
        waiting = true;
      });
    },
    clock() { return Math.floor(performance.now() - start); },
    beep() {
      try {
        audio = audio || new AudioContext();
        const tone = audio.createOscillator(), gain = audio.createGain();
        tone.type = 'square';
        tone.frequency.value = 880;
        gain.gain.value = 0.1;
        tone.connect(gain).connect(audio.destination);
        tone.start();
        tone.stop(audio.currentTime + 0.1);
      } catch (e) {
        // No sound on this page: the beep is silent.
      }
    },
    // For tests: resolves once everything handed to the program is handled and the
    // canvas shows the framebuffer, with the count of frames shown.
    settled() {
      return new Promise((resolve) => {
        const check = () => {
          if ((waiting || !opened) && queue.length === 0 && !frame) {
            resolve(shown);
          } else {
            requestAnimationFrame(check);
          }
        };
        check();
      });
    },
    frames() { return shown; },
    // Milliseconds from the page's load to its first frame.
    firstframe() { return firstframe; },
    // A file of the program's folder as text: now, and as it was when the page loaded.
    read(name) { return FS.readFile(FOLDER + '/' + name, {encoding: 'utf8'}); },
    restored(name) { return saved[name] ?? ''; },
    // Resolves once the storage holds everything written so far.
    stored() {
      return new Promise((resolve) => {
        if (!dirty && !syncing) return resolve();
        stored.push(resolve);
        store();
      });
    },
  };
})();
