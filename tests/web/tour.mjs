// The demonstration's page in a real browser: its tour played with real pointer and key
// events, the canvas compared pixel for pixel with the tour's golden pictures at each
// screenshot line; then Quit ends the program with the ending said on the page, and a
// reload finds what the program wrote in the browser's storage. Last, the panel's page
// (panel.html in the same folder) finds its saved state again after a reload.
//   node tour.mjs PAGEFOLDER TOUR GOLDENFOLDER
// Set VX_WEB_OUT to a folder to keep the pictures of a failing comparison there.
import {spawn} from 'node:child_process';
import {existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:net';
import {tmpdir} from 'node:os';
import {basename, join} from 'node:path';
import {PNG} from 'pngjs';
import puppeteer from 'puppeteer-core';

const [folder, tourfile, goldens] = process.argv.slice(2);
if (!goldens) {
  console.error('usage: node tour.mjs PAGEFOLDER TOUR GOLDENFOLDER');
  process.exit(2);
}
const keep = process.env.VX_WEB_OUT;
let passed = 0, failed = 0;

function check(ok, what) {
  console.log(`${ok ? 'ok' : 'FAILED'}: ${what}`);
  if (ok) passed++; else failed++;
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function freeport() {
  return new Promise((resolve) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
      const {port} = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

async function serve() {
  const port = await freeport();
  const server = spawn('python3', ['-m', 'http.server', '-b', '127.0.0.1', String(port)],
                       {cwd: folder, stdio: 'ignore'});
  for (let i = 0; i < 100; i++) {
    try {
      await fetch(`http://127.0.0.1:${port}/`);
      return {server, url: `http://127.0.0.1:${port}/zeftest.html`};
    } catch {
      await sleep(50);
    }
  }
  throw new Error('the server did not start');
}

// The replay format's key names as the browser's keys.
const KEYS = {Return: 'Enter', Escape: 'Escape', Backspace: 'Backspace', Delete: 'Delete',
              Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown',
              Space: ' ', Tab: 'Tab'};

class Player {
  constructor(page, box) {
    this.page = page;
    this.box = box;
  }
  // The middle of a screen pixel, in the page's coordinates.
  async move(x, y) {
    const scale = this.box.width / 640;
    await this.page.mouse.move(this.box.x + (x + 0.5) * scale, this.box.y + (y + 0.5) * scale);
  }
  async key(name) {
    const control = /^ctrl-(.)$/i.exec(name);
    if (control) {
      await this.page.keyboard.down('Control');
      await this.page.keyboard.press(control[1].toLowerCase());
      await this.page.keyboard.up('Control');
    } else {
      await this.page.keyboard.press(KEYS[name] ?? name);
    }
  }
  async line(text) {
    const words = text.trim().split(/\s+/);
    const v = words.slice(1).map(Number);
    switch (words[0]) {
      case 'move': return this.move(v[0], v[1]);
      case 'press': await this.move(v[0], v[1]); return this.page.mouse.down();
      case 'release': await this.move(v[0], v[1]); return this.page.mouse.up();
      case 'click':
        await this.move(v[0], v[1]);
        await this.page.mouse.down();
        return this.page.mouse.up();
      case 'drag': {
        const steps = v[4] || 10;
        await this.move(v[0], v[1]);
        await this.page.mouse.down();
        for (let i = 1; i <= steps; i++) {
          await this.move(v[0] + Math.trunc((v[2] - v[0]) * i / steps),
                          v[1] + Math.trunc((v[3] - v[1]) * i / steps));
        }
        return this.page.mouse.up();
      }
      case 'key': return this.key(words[1]);
      case 'type': return this.page.keyboard.type(text.replace(/^\s*type /, ''));
      case 'wait': return sleep(v[0]);
      default: throw new Error(`not played in the browser: ${text}`);
    }
  }
}

// The canvas's pixels, RGBA, once everything sent has been handled and shown.
async function canvaspixels(page) {
  const encoded = await page.evaluate(async () => {
    await Module.vxcanvas.settled();
    const canvas = document.getElementById('canvas');
    const data = canvas.getContext('2d').getImageData(0, 0, 640, 480).data;
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    }
    return btoa(text);
  });
  return Buffer.from(encoded, 'base64');
}

function compare(actual, goldenfile) {
  const golden = PNG.sync.read(readFileSync(goldenfile));
  if (golden.width !== 640 || golden.height !== 480) return `golden is ${golden.width}x${golden.height}`;
  let differing = 0, first = '';
  for (let i = 0; i < 640 * 480 * 4; i += 4) {
    for (let c = 0; c < 3; c++) {
      if (actual[i + c] !== golden.data[i + c]) {
        if (!differing++) first = ` first at (${(i / 4) % 640}, ${Math.floor(i / 4 / 640)})`;
        break;
      }
    }
  }
  if (differing && keep) {
    const png = new PNG({width: 640, height: 480});
    actual.copy(png.data);
    writeFileSync(join(keep, basename(goldenfile)), PNG.sync.write(png));
  }
  return differing ? `${differing} pixels differ,${first}` : '';
}

const {server, url} = await serve();
// The browser's profile is thrown away after the test, so it is kept in memory where the
// system has a memory file system: on disk a fresh profile's first writes, the page's
// storage among them, would be timed with the page.
const profile = mkdtempSync(join(existsSync('/dev/shm') ? '/dev/shm' : tmpdir(), 'vx-chromium-'));
const browser = await puppeteer.launch({
  executablePath: process.env.VX_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         `--user-data-dir=${profile}`],
});
try {
  const page = await browser.newPage();
  page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
  await page.setViewport({width: 800, height: 600});
  // Load to first frame: from the page's navigation to the first frame put in the canvas,
  // on a first visit (nothing cached, nothing stored) and on the reload below. The visit
  // comes to a browser that has started, as a visitor's has: a blank page first, and
  // half a second for the browser's own start.
  const firstframe = async () => {
    await page.waitForFunction(() => Module.vxcanvas && Module.vxcanvas.frames() > 0);
    return Math.round(await page.evaluate(() => Module.vxcanvas.firstframe()));
  };
  await page.goto('about:blank');
  await sleep(500);
  await page.goto(url);
  const cold = await firstframe();

  const box = await (await page.$('#canvas')).boundingBox();
  const player = new Player(page, box);
  const lines = readFileSync(tourfile, 'utf8').split('\n');
  for (const text of lines) {
    if (/^\s*(#|$)/.test(text)) continue;
    const screenshot = /^\s*screenshot\s+(\S+)/.exec(text);
    if (screenshot) {
      const why = compare(await canvaspixels(page), join(goldens, screenshot[1]));
      check(!why, `${screenshot[1]} ${why}`);
    } else {
      await player.line(text);
    }
  }

  // The tour ends with Quit.
  const ending = await page.waitForSelector('#ended:not([hidden])', {timeout: 5000})
                     .then((element) => element.evaluate((e) => e.textContent), () => '');
  check(ending === 'The program has ended', `the page says "${ending}" after Quit`);

  // The program's folder comes back on a reload: the error log of the run before (the
  // page does not ship one) is there until the new run opens it again.
  const before = await page.evaluate(async () => {
    await Module.vxcanvas.stored();
    return Module.vxcanvas.read('error.log');
  });
  await page.reload();
  const warm = await firstframe();
  console.log(`load to first frame: ${cold} ms on the first visit, ${warm} ms on a reload`);
  const after = await page.evaluate(() => Module.vxcanvas.restored('error.log'));
  check(before.length > 0 && before === after,
        `a reload brings back the folder the program wrote (${before.length} bytes of error.log)`);

  // The panel example, a page of its own, keeps its state in panel.state (VXsavestate on
  // Quit, VXloadstate at start): the pump started before Quit runs again after a reload,
  // its lamp lit and one start counted.
  const panel = await browser.newPage();
  panel.on('pageerror', (error) => console.log(`panel page error: ${error.message}`));
  await panel.setViewport({width: 800, height: 600});
  await panel.goto(url.replace(/zeftest\.html$/, 'panel.html'));
  await panel.waitForFunction(() => Module.vxcanvas && Module.vxcanvas.frames() > 0);
  const panelplayer = new Player(panel, await (await panel.$('#canvas')).boundingBox());
  const kept = async () => {
    const pixels = await canvaspixels(panel);
    return [[214, 100, 90, 20], [494, 380, 100, 24]].map(([x, y, w, h]) =>
        Buffer.concat(Array.from({length: h}, (_, row) =>
            pixels.subarray(((y + row) * 640 + x) * 4, ((y + row) * 640 + x + w) * 4))));
  };
  const fresh = await kept();
  await panelplayer.line('click 66 110');
  await sleep(300);
  const started = await kept();
  await panelplayer.line('click 582 24');
  await panel.waitForSelector('#ended:not([hidden])', {timeout: 5000});
  await panel.evaluate(() => Module.vxcanvas.stored());
  await panel.reload();
  await panel.waitForFunction(() => Module.vxcanvas && Module.vxcanvas.frames() > 0);
  const again = await kept();
  const state = await panel.evaluate(() => FS.stat('panel.state').size);
  check(fresh.every((part, i) => !part.equals(started[i])) &&
        again.every((part, i) => part.equals(started[i])),
        `a reload of the panel brings back its saved state (${state} bytes of panel.state)`);
} finally {
  await browser.close();
  server.kill();
  rmSync(profile, {recursive: true, force: true});
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
