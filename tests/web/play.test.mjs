// The web page played in headless Chromium as a player would: by mouse, by
// keyboard, through the menus, with puzzle files and a reload.
import {test, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {Browser, serve} from './cdp.mjs';

const site = process.env.ZERDO_SITE || 'build-web/site';
// The window's painter, drawing the board to a PNG (tools/cards).
const cards = process.env.ZERDO_CARDS || 'build/zerdo-cards';
// The scripted front end of the same controller, beside zerdo-cards.
const driver = process.env.ZERDO_DRIVER || join(dirname(cards), 'zerdo-driver');
let server, browser;

before(async () => {
  server = await serve(site);
  browser = await Browser.launch();
  await browser.goto(server.url);
});
after(() => { browser && browser.close(); server && server.close(); });

const solution = () => browser.eval(
    `JSON.parse(Zerdo.module.UTF8ToString(Zerdo.module.ccall('zw_solution', 'number', [], [])))`);
const boxText = () => browser.eval(`$('box').open ? $('box-text').textContent : null`);

// Chooses a menu item by clicking the menus above it, then the item.
async function menu(...path) {
  for (const id of path) await browser.clickId(id);
  await browser.idle();
}

// The centre (page pixels) of a control of the board.
function centre(name, index) {
  return browser.eval(`(() => { const b = $('board').getBoundingClientRect();
    const c = Zerdo.view.controls.find((c) => c.name === ${JSON.stringify(name)} && (${index} === null || c.index === ${index}));
    const k = Zerdo.scale;
    return c ? [b.x + (c.x + c.w / 2) * k, b.y + (c.y + c.h / 2) * k] : null; })()`);
}
function pieceCentre(picture) {
  return browser.eval(`(() => { const b = $('board').getBoundingClientRect();
    const c = Zerdo.view.controls.find((c) => c.kind === 1 && c.index < 0 && c.picture === ${picture});
    const k = Zerdo.scale;
    return [b.x + (c.x + c.w / 2) * k, b.y + (c.y + c.h / 2) * k]; })()`);
}

// Drags a piece (picture id) by mouse onto a field of the board.
async function drag(picture, field) {
  const [x0, y0] = await pieceCentre(picture);
  const [x1, y1] = await centre('spielfeld', field);
  await browser.mouse('mouseMoved', x0, y0);
  await browser.mouse('mousePressed', x0, y0);
  for (let i = 1; i <= 4; i++) await browser.mouse('mouseMoved', x0 + (x1 - x0) * i / 4, y0 + (y1 - y0) * i / 4);
  await browser.mouse('mouseReleased', x1, y1);
  await browser.idle();
}

async function closeBox() {
  await browser.waitFor(`$('box').open`, 'a message box');
  await browser.eval(`$('box-buttons').firstChild.click()`);
  await browser.idle();
}

test('A1 played by mouse to the praise', async () => {
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoA', 'mnuFileZerdoA1');
  const sol = await solution();
  for (let f = 1; f <= 9; f++) await drag(sol[f], f);
  await browser.waitFor(`$('box').open`, 'the praise');
  assert.equal(await boxText(), '!! Sehr gut : gewonnen und nur 9 mal gezogen!!');
  await closeBox();
});

// The pixels of the hint's orange ring round a control of the board, on the
// canvas; with below, only those along its lower edge.
function ringPixels(name, index, below = false) {
  return browser.eval(`(() => {
    const c = Zerdo.view.controls.find((c) => c.name === ${JSON.stringify(name)} && c.index === ${index});
    const s = Zerdo.scale * (window.devicePixelRatio || 1);
    const top = ${below} ? c.y + c.h - 1 : c.y - 8;
    const x = Math.floor((c.x - 8) * s), y = Math.floor(top * s);
    const a = $('board').getContext('2d').getImageData(x, y, Math.ceil((c.w + 16) * s), Math.ceil((c.y + c.h + 8 - top) * s)).data;
    let n = 0;
    for (let i = 0; i < a.length; i += 4) if (a[i] > 200 && a[i + 1] > 100 && a[i + 1] < 200 && a[i + 2] < 80) n++;
    return n; })()`);
}

test('the hint of the Info menu and its key light piece, field and card and tell them in the status line', async () => {
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoA', 'mnuFileZerdoA1');
  assert.equal(await ringPixels('spielfeld', 1), 0);
  const status = `$('status').children[0].textContent`;
  const words = 'Hinweis: Kreis rot gehört auf Feld 1 (Karte 8)';
  await menu('mnuHelp', 'mnuHelpHint');
  assert.ok((await browser.eval(status)).endsWith(words), await browser.eval(status));
  const piece = await browser.eval(`Zerdo.view.controls.find((c) => c.kind === 1 && c.index < 0 && c.picture === 5).name`);
  for (const [name, index] of [['spielfeld', 1], ['Frame_1_0', 7], [piece, -1]])
    assert.ok(await ringPixels(name, index) > 20, `${name} ${index} is ringed`);
  // The field below paints no part of the field's ring over.
  assert.ok(await ringPixels('spielfeld', 1, true) > 20, 'the ring of field 1 is whole');
  // The move it shows puts the lights out; the key asks for the next hint.
  const [x0, y0] = await pieceCentre(5);
  const [x1, y1] = await centre('spielfeld', 1);
  await browser.mouse('mouseMoved', x0, y0);
  await browser.mouse('mousePressed', x0, y0);
  await browser.mouse('mouseMoved', x1, y1);
  await browser.mouse('mouseReleased', x1, y1);
  await browser.idle();
  assert.equal(await ringPixels('Frame_1_0', 7), 0);
  assert.ok(!(await browser.eval(status)).includes(words));
  await browser.eval(`$('reader').focus(); 1`);
  await browser.key('h', {code: 'KeyH', keyCode: 72, text: 'h'});
  await browser.idle();
  const next = await browser.eval(status);
  assert.ok(/Hinweis: /.test(next) && !next.endsWith(words), next);
});

test('a piece dragged by touch lands on its field', async () => {
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoA', 'mnuFileZerdoA2');
  const sol = await solution();
  const [x0, y0] = await pieceCentre(sol[5]);
  const [x1, y1] = await centre('spielfeld', 5);
  await browser.touch('touchStart', x0, y0);
  for (let i = 1; i <= 4; i++) await browser.touch('touchMove', x0 + (x1 - x0) * i / 4, y0 + (y1 - y0) * i / 4);
  await browser.touch('touchEnd', x1, y1);
  await browser.idle();
  const [x, y] = await pieceCentre(sol[5]);
  assert.ok(Math.abs(x - x1) < 10 && Math.abs(y - y1) < 10, `the piece at ${x}, ${y}, its field at ${x1}, ${y1}`);
});

test('on a narrow screen the board is smaller and a piece still lands where it is dropped', async () => {
  await browser.page('Emulation.setDeviceMetricsOverride', {width: 420, height: 800, deviceScaleFactor: 1, mobile: false});
  try {
    await browser.waitFor('Zerdo.scale < 0.6', 'the smaller board');
    const sol = await solution();
    const [x0, y0] = await pieceCentre(sol[1]);
    const [x1, y1] = await centre('spielfeld', 1);
    await browser.mouse('mouseMoved', x0, y0);
    await browser.mouse('mousePressed', x0, y0);
    for (let i = 1; i <= 4; i++) await browser.mouse('mouseMoved', x0 + (x1 - x0) * i / 4, y0 + (y1 - y0) * i / 4);
    await browser.mouse('mouseReleased', x1, y1);
    await browser.idle();
    const [x, y] = await pieceCentre(sol[1]);
    assert.ok(Math.abs(x - x1) < 6 && Math.abs(y - y1) < 6, `the piece at ${x}, ${y}, its field at ${x1}, ${y1}`);
  } finally {
    await browser.page('Emulation.clearDeviceMetricsOverride');
    await browser.waitFor('Zerdo.scale === 1', 'the board at full size');
  }
});

test('Exit closes the game and the page starts it anew', async () => {
  await browser.eval('window.beforeExit = true; 1');
  const loaded = browser.event('Page.loadEventFired');
  await browser.clickId('mnuFile');
  await browser.clickId('mnuFileExit');
  await loaded;
  await browser.waitFor("typeof Zerdo !== 'undefined' && Zerdo.ready === true", 'the game to start again');
  assert.equal(await browser.eval('window.beforeExit === undefined'), true);
});

test('a reload keeps the hall of fame', async () => {
  const records = `JSON.stringify(Object.keys(localStorage).filter((k) => /MinTime|Bester|Check/.test(k)).sort().map((k) => [k, localStorage.getItem(k)]))`;
  const before = JSON.parse(await browser.eval(records));
  assert.ok(before.some(([k, v]) => /MinTime/.test(k) && v !== ''), `a record is stored: ${JSON.stringify(before)}`);
  await browser.goto(server.url);
  assert.deepEqual(JSON.parse(await browser.eval(records)), before);
});

// Leads the keyboard cursor to the stop of kind and index with the arrow
// keys, along the shortest way the arrows offer.
const kArrows = {ArrowRight: 39, ArrowLeft: 37, ArrowUp: 38, ArrowDown: 40};
async function cursorTo(kind, index) {
  // The first arrow only shows where the cursor stands.
  if (!(await browser.eval('Zerdo.cursorShown'))) await browser.key('ArrowRight', {keyCode: 39});
  const keys = await browser.eval(`(() => {
    const all = Zerdo.stops(), arrows = ${JSON.stringify(Object.keys(kArrows))};
    const key = (t) => t.stop.kind + t.stop.index + t.beside;
    const start = all.find((s) => Zerdo.cursor && s.kind === Zerdo.cursor.kind && s.index === Zerdo.cursor.index) || all[0];
    const here = {stop: start, beside: Zerdo.beside || 'board'};
    const way = new Map([[key(here), []]]), todo = [here];
    while (todo.length) {
      const t = todo.shift();
      if (t.stop.kind === ${JSON.stringify(kind)} && t.stop.index === ${index}) return way.get(key(t));
      for (const name of arrows) {
        const n = Zerdo.stepFrom(all, t.stop, t.beside, name);
        if (n && !way.has(key(n))) { way.set(key(n), [...way.get(key(t)), name]); todo.push(n); }
      }
    }
    return null; })()`);
  assert.ok(keys, `the arrows lead to ${kind} ${index}`);
  for (const k of keys) {
    await browser.key(k, {keyCode: kArrows[k]});
    await browser.idle();
  }
  assert.ok(await browser.eval(`Zerdo.cursor.kind === ${JSON.stringify(kind)} && Zerdo.cursor.index === ${index}`));
}

// The arrow pressed, and where the cursor stands then.
async function arrow(name) {
  await browser.key(name, {keyCode: kArrows[name]});
  await browser.idle();
  return browser.eval(`Zerdo.cursor.kind + ' ' + Zerdo.cursor.index`);
}

test('a 4x4 puzzle played by keyboard', async () => {
  await menu('mnuFile', 'mnuFileSetup', 'mnuFileSetupRange', 'mnuFileSetupRange4x4');
  if (await browser.eval(`$('box').open`)) await closeBox();
  await browser.waitFor(`Zerdo.view.controls.filter((c) => c.name === 'spielfeld' && c.index >= 1).length === 16`, 'the 4x4 board');
  await browser.eval(`$('reader').focus()`);
  // The arrows walk the same grid as the window's: Right from the board's
  // last column to the cards of the same row, Left back; the stock's empty
  // places are stops too.
  await cursorTo('field', 12);
  assert.equal(await arrow('ArrowRight'), 'card 9');
  assert.equal(await arrow('ArrowDown'), 'card 13');
  assert.equal(await arrow('ArrowDown'), 'card 13');
  assert.equal(await arrow('ArrowLeft'), 'field 16');
  const sol = await solution();
  for (let f = 1; f <= 16; f++) {
    await cursorTo('stock', sol[f]);
    await browser.key(' ', {code: 'Space', keyCode: 32, text: ' '});
    await browser.idle();
    await cursorTo('field', f);
    await browser.key(' ', {code: 'Space', keyCode: 32, text: ' '});
    await browser.idle();
  }
  await browser.waitFor(`$('box').open`, 'the praise');
  assert.match(await boxText(), /gewonnen/);
  await closeBox();
  // Every piece is on the board: its stock place is an empty stop, told so.
  await cursorTo('stock', sol[1]);
  const said = await browser.eval(`$('cursor-item').getAttribute('aria-label')`);
  assert.ok(said && !(await browser.eval(`Zerdo.stops().find((t) => t.kind === 'stock' && t.index === ${sol[1]}).piece`)), said);
});

test('the menus switch the language', async () => {
  await menu('mnuFile', 'mnuFileSetup', 'mnuFileSetupLanguage', 'mnuFileSetupLanguageEnglish');
  assert.equal(await browser.eval(`$('mnuFile').textContent`), 'Game');
  assert.equal(await browser.eval('document.documentElement.lang'), 'en');
  await menu('mnuFile', 'mnuFileSetup', 'mnuFileSetupLanguage', 'mnuFileSetupLanguageVlaams');
  assert.equal(await browser.eval(`$('mnuFile').textContent`), 'Spel');
  await menu('mnuFile', 'mnuFileSetup', 'mnuFileSetupLanguage', 'mnuFileSetupLanguageDeutsch');
  assert.equal(await browser.eval(`$('mnuFile').textContent`), 'Spiel');
});

test('the menus are reached by the keyboard', async () => {
  await browser.eval(`$('reader').focus(); 1`);
  await browser.key('s', {code: 'KeyS', keyCode: 83, modifiers: 1});
  await browser.waitFor(`document.activeElement && document.activeElement.id === 'mnuFileNew'`, 'the game menu open');
  const next = await browser.eval(`[...document.querySelectorAll('#mnuFile + .menu > div > button:not(:disabled)')][1].id`);
  await browser.key('ArrowDown', {keyCode: 40});
  assert.equal(await browser.eval('document.activeElement.id'), next);
  await browser.key('Escape', {keyCode: 27});
  assert.equal(await browser.eval(`document.querySelectorAll('#menubar .open').length`), 0);
});

test('a saved puzzle file loads again, and a bad one is refused with the message', async () => {
  await menu('mnuFile', 'mnuFileSetup', 'mnuFileSetupRange', 'mnuFileSetupRange3x3');
  if (await browser.eval(`$('box').open`)) await closeBox();
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoB', 'mnuFileZerdoB2');
  const saved = await solution();
  await menu('mnuFile', 'mnuFileSave');
  await browser.waitFor(`$('ask').open`, 'the save dialog');
  await browser.eval(`$('ask-name').value = 'b2.zdo'; $('ask-ok').click()`);
  await browser.idle();
  if (await browser.eval(`$('box').open`)) await closeBox();
  const bytes = await browser.eval(`Zerdo.files.has('b2.zdo') ? [...Zerdo.files.get('b2.zdo')] : null`);
  assert.ok(bytes && bytes.length > 0, 'the saved file');
  const dir = mkdtempSync(join(tmpdir(), 'zerdo-files-'));
  writeFileSync(join(dir, 'b2.zdo'), Buffer.from(bytes));
  writeFileSync(join(dir, 'bad.zdo'), 'not a puzzle\n');
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoA', 'mnuFileZerdoA1');
  assert.notDeepEqual(await solution(), saved);

  await browser.page('Page.setInterceptFileChooserDialog', {enabled: true});
  const load = async (file) => {
    const chooser = browser.event('Page.fileChooserOpened');
    await browser.clickId('mnuFile');
    await browser.clickId('mnuFileLoad');
    const {backendNodeId} = await chooser;
    await browser.page('DOM.setFileInputFiles', {files: [join(dir, file)], backendNodeId});
    await browser.waitFor(`Zerdo.files.has(${JSON.stringify(file)})`, 'the picked file');
    await browser.idle();
  };
  await load('b2.zdo');
  if (await browser.eval(`$('box').open`)) await closeBox();
  assert.deepEqual(await solution(), saved);
  await load('bad.zdo');
  await browser.waitFor(`$('box').open`, 'the refusal');
  assert.ok((await boxText()).length > 0);
  await closeBox();
  assert.deepEqual(await solution(), saved, 'the puzzle on the board stays');
});

test('every card of A1 on the canvas looks as the window draws it', async () => {
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoA', 'mnuFileZerdoA1');
  const png = join(mkdtempSync(join(tmpdir(), 'zerdo-cards-')), 'a1.png');
  execFileSync(cards, [png, 'mnuFileZerdoA1'], {env: {...process.env, QT_QPA_PLATFORM: 'offscreen'}});
  const url = 'data:image/png;base64,' + readFileSync(png).toString('base64');
  // Per card: the mean difference of the colour channels (0..255) and the
  // share of pixels that differ by more than a fifth in some channel.
  const result = await browser.eval(`(async () => {
    const img = new Image();
    img.src = ${JSON.stringify(url)};
    await img.decode();
    const qt = document.createElement('canvas');
    qt.width = img.width; qt.height = img.height;
    const q = qt.getContext('2d');
    q.drawImage(img, 0, 0);
    const web = $('board').getContext('2d');
    const dpr = window.devicePixelRatio || 1;
    return Zerdo.view.controls.filter((c) => c.name === 'Frame_1_0').map((c) => {
      const x = Math.round(c.x), y = Math.round(c.y), w = Math.round(c.w), h = Math.round(c.h);
      const a = q.getImageData(x, y, w, h).data, b = web.getImageData(x * dpr, y * dpr, w, h).data;
      let sum = 0, far = 0;
      for (let i = 0; i < a.length; i += 4) {
        let worst = 0;
        for (let k = 0; k < 3; k++) { const d = Math.abs(a[i + k] - b[i + k]); sum += d; worst = Math.max(worst, d); }
        if (worst > 51) far++;
      }
      return {card: c.index + 1, mean: sum / (a.length / 4 * 3), far: far / (a.length / 4)};
    }); })()`);
  assert.equal(result.length, 9);
  for (const r of result) {
    console.log(`measured: card ${r.card}, canvas against the window: mean difference ${r.mean.toFixed(2)}, ` +
        `${(r.far * 100).toFixed(2)} % of the pixels far apart`);
    assert.ok(r.mean < 1.5 && r.far < 0.01, `card ${r.card} looks as the window draws it: ${JSON.stringify(r)}`);
  }
});

test('the help finds a keyword, and its page shows the cards drawn by the game', async () => {
  await menu('mnuHelp', 'mnuHelpSearchForHelpOn');
  await browser.waitFor(`$('help').open && $('help-list').children.length > 0`, 'the keyword index');
  await browser.eval(`$('help-search').value = 'Anker'; $('help-search').dispatchEvent(new Event('input')); 1`);
  const hits = await browser.eval(`[...$('help-list').querySelectorAll('a')].map((a) => a.textContent)`);
  assert.ok(hits.length > 0 && hits.every((h) => /anker/i.test(h)), JSON.stringify(hits));
  await browser.eval(`$('help-search').value = 'Drache'; $('help-search').dispatchEvent(new Event('input')); 1`);
  assert.equal(await browser.eval(`$('help-list').textContent`), 'Kein Stichwort passt zu \u201EDrache\u201C');
  await browser.eval(`$('help-search').value = 'Anker'; $('help-search').dispatchEvent(new Event('input')); 1`);
  await browser.eval(`$('help-list').querySelector('a[href$="cards.html"]').click(); 1`);
  await helpPictures('cards.html');
  // The page opens at the keyword's first place, marked.
  assert.match(await browser.eval(`$('help-page').contentDocument.getSelection().toString()`), /^anker/i);
  assert.equal(await browser.eval(`$('help-page').contentDocument.querySelectorAll('img[src^="zerdo-"]').length`), 0);
  await browser.eval(`$('help').close(); 1`);
});

// The help page's pictures are drawn by the game when the page has loaded,
// which may be while a box holds the game paused.
const helpPictures = (file) => browser.waitFor(`(() => { const d = $('help-page').contentDocument;
    return !!d && d.location.href.endsWith('/${file}') && d.readyState === 'complete' &&
        d.querySelectorAll('canvas').length > 0; })()`, `the pictures of ${file}`);

test('the help draws its pictures while a window waits, and the game goes on after the window', async () => {
  await menu('mnuHelp', 'mnuHelpAbout');
  await browser.waitFor(`$('form').open`, 'the About window');
  await browser.eval(`Zerdo.host.help(false, '', 1200, ''); 1`);
  await helpPictures('index.html');
  await browser.eval(`$('help-page').src = 'help/de/cards.html'; 1`);
  await helpPictures('cards.html');
  await browser.eval(`$('help').close(); $('form-cmdOK').click(); 1`);
  await browser.waitFor(`Zerdo.busy === 0`, 'the game to go on after the window');
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoA', 'mnuFileZerdoA2');
  assert.match(await browser.eval(`JSON.stringify(Zerdo.view.status)`), /A2/);
});

test('the puzzle goes to paper with every card, the empty board and the solution page', async () => {
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoA', 'mnuFileZerdoA1');
  await menu('mnuFile', 'mnuFilePrint');
  await browser.waitFor(`$('print').open`, 'the print dialog');
  await browser.eval(`$('print-solution').checked = true; $('print-ok').click(); 1`);
  await browser.idle();
  assert.equal(await browser.eval(`$('sheet').querySelectorAll('.cards canvas').length`), 9);
  assert.equal(await browser.eval(`$('sheet').querySelectorAll('.page').length`), 2);
  assert.equal(await browser.eval(`$('sheet').querySelector('h1').textContent`), 'Zerdo A1');
  assert.equal(await browser.eval(`$('box').open`), false, 'no message: printing is there');
});

test('the same clock gives the same new puzzle in the browser as in the driver', async () => {
  // Both seed the random source from the time of day; the driver's clock
  // starts at 12:00:00.0, and the page's is held there.
  const config = mkdtempSync(join(tmpdir(), 'zerdo-driver-'));
  const lines = execFileSync(driver, [], {input: 'start\nmenu mnuFileNew\ntable solution\n',
    env: {...process.env, XDG_CONFIG_HOME: config}}).toString().trim().split('\n');
  const expected = [0, ...lines[lines.length - 1].split(' ').map(Number)];
  const fresh = await Browser.launch();
  try {
    await fresh.page('Page.addScriptToEvaluateOnNewDocument', {source: `(() => {
      const Real = Date, noon = new Real();
      noon.setHours(12, 0, 0, 0);
      window.Date = class extends Real {
        constructor(...a) { super(...(a.length ? a : [noon.getTime()])); }
        static now() { return noon.getTime(); }
      };
    })();`});
    await fresh.goto(server.url);
    await fresh.eval(`Zerdo.menu('mnuFileNew'); 1`);
    await fresh.idle();
    const got = await fresh.eval(`JSON.parse(Zerdo.module.UTF8ToString(Zerdo.module.ccall('zw_solution', 'number', [], [])))`);
    assert.deepEqual(got, expected);
  } finally {
    fresh.close();
  }
});

test('a store the browser refuses is told in the player\'s words, not the browser\'s', async () => {
  await browser.eval(`window.realSetItem = Storage.prototype.setItem;
    Storage.prototype.setItem = function () { throw new DOMException('exceeded the quota', 'QuotaExceededError'); }; 1`);
  try {
    await browser.eval(`Zerdo.run(() => Zerdo.call('zw_unload', null, [], [])); 1`);
    await browser.waitFor(`$('box').open`, 'the message');
    const text = await boxText();
    assert.ok(text.includes('Der Speicher dieses Browsers\n\nDer zugeteilte Speicherplatz ist aufgebraucht.'), text);
    assert.ok(!/quota|localStorage/i.test(text), text);
  } finally {
    await browser.eval(`Storage.prototype.setItem = window.realSetItem; 1`);
    await browser.goto(server.url);
  }
});

// The pieces' places on the board and the status line without its play time.
const board = () => browser.eval(`JSON.stringify([Zerdo.view.controls.filter((c) => c.role === 'piece').map((c) => [c.picture, c.left, c.top]),
    $('status').children[0].textContent.replace(/Spielzeit.*/, '')])`);
const shownSeconds = async () => Number(/Spielzeit:\s*([\d.]+)/.exec(await browser.eval(`$('status').children[0].textContent`))[1]);
// The kept game's play time (ms), as the page keeps it.
const keptTime = () => browser.eval(`Number(/\\ntime=(\\d+)/.exec(localStorage.getItem('Zerdo/data/last-game'))[1])`);

test('a reload loses no game: Continue brings back the board, its moves and its time', async () => {
  await menu('mnuFile', 'mnuFileNew');
  const cards = await solution();
  await drag(cards[1], 1);
  await new Promise((r) => setTimeout(r, 1200));
  await drag(cards[2], 2);
  const before = await board();
  assert.match(before, /Zug 2/, before);
  await browser.goto(server.url);
  const time = await keptTime();
  assert.ok(time >= 1200, `the time played is kept: ${time} ms`);
  assert.notEqual(await board(), before, 'start-up shows a board of its own');
  assert.equal(await browser.eval(`$('mnuFileContinue').disabled`), false);
  await menu('mnuFile', 'mnuFileContinue');
  assert.equal(await board(), before);
  assert.deepEqual(await solution(), cards);
  // The clock runs on from the time kept at once: a tick may already have
  // shown a little more.
  const shown = await shownSeconds();
  assert.ok(shown >= Math.floor(time / 100) / 10 && shown < time / 1000 + 2,
      `the time shown goes on from the ${time} ms kept: ${shown} s`);
  // The clock goes on from the time kept.
  await drag(cards[3], 3);
  assert.ok(await keptTime() >= time, 'the clock went on');
  // Won, the game is kept no more. A continued game has stood still between
  // the runs: the praise comes with the word that it makes no record.
  for (let f = 4; f <= 9; f++) await drag(cards[f], f);
  await browser.waitFor(`$('box').open`, 'the praise');
  assert.match(await boxText(), /Zwischen-STOP/);
  await closeBox();
  assert.match(await boxText(), /gewonnen/);
  await closeBox();
  assert.equal(await browser.eval(`localStorage.getItem('Zerdo/data/last-game')`), null);
  assert.equal(await browser.eval(`$('mnuFileContinue').disabled`), true);
});

test('a storage that refuses the kept game is told once in the player\'s words, and the game goes on', async () => {
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoA', 'mnuFileZerdoA2');
  const cards = await solution();
  await browser.eval(`window.realSetItem = Storage.prototype.setItem;
    Storage.prototype.setItem = function () { throw new DOMException('exceeded the quota', 'QuotaExceededError'); }; 1`);
  try {
    await drag(cards[1], 1);
    await browser.waitFor(`$('box').open`, 'the message');
    const text = await boxText();
    assert.ok(text.includes('Das laufende Spiel konnte nicht gespeichert werden:\nDer Speicher dieses Browsers (last-game)\n' +
        'Der zugeteilte Speicherplatz ist aufgebraucht.'), text);
    await closeBox();
    await drag(cards[2], 2);
    assert.equal(await browser.eval(`$('box').open`), false, 'told once');
    assert.match(await browser.eval(`$('status').children[0].textContent`), /A2.*2/);
  } finally {
    await browser.eval(`Storage.prototype.setItem = window.realSetItem; 1`);
  }
});

test('the history window shows a finished game in a table, its charts drawn by the game, and exports it as a download', async () => {
  await menu('mnuFile', 'mnuFileZerdo', 'mnuFileZerdoB', 'mnuFileZerdoB3');
  const cards = await solution();
  for (let f = 1; f <= 9; f++) await drag(cards[f], f);
  while (await browser.eval(`$('box').open`)) await closeBox();
  await menu('mnuFile', 'mnuFileHistory');
  await browser.waitFor(`$('form').open`, 'the history window');
  const table = await browser.eval(`(() => { const t = $('form-body').querySelector('table');
    return {name: t.getAttribute('aria-label'), heads: [...t.tHead.rows[0].cells].map((c) => c.scope + ' ' + c.textContent),
      rows: [...t.tBodies[0].rows].map((r) => [...r.cells].map((c) => c.textContent))}; })()`);
  assert.ok(table.name.length > 0);
  assert.deepEqual(table.heads, ['Bereich', 'Stufe', 'Gespielt', 'Gewonnen', 'Bestzeit', 'Median'].map((h) => 'col ' + h));
  const b = table.rows.find((r) => r[0] === '3x3' && r[1] === 'B');
  assert.ok(b && Number(b[3]) >= 1 && /^\d+:\d\d$/.test(b[4]), JSON.stringify(table.rows));
  // Both charts are drawn on canvases a screen reader names by their titles.
  const charts = await browser.eval(`[...$('form-body').querySelectorAll('canvas[role="img"]')].map((c) => {
    const a = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let green = 0;
    for (let i = 0; i < a.length; i += 4) if (a[i + 1] > a[i] + 40 && a[i + 1] > a[i + 2] + 40) green++;
    return [c.getAttribute('aria-label'), green]; })`);
  assert.deepEqual(charts.map((c) => c[0]), ['Lösungszeit der gewonnenen Spiele', 'Gewonnen und verloren je Stufe']);
  assert.ok(charts[1][1] > 100, 'the won games stand as a green bar');
  // The export is a download of the page, the date of the game the browser's.
  await browser.eval(`$('form-cmdExport').click(); 1`);
  await browser.waitFor(`$('ask').open`, 'the save dialog');
  await browser.eval(`$('ask-name').value = 'verlauf.csv'; $('ask-ok').click(); 1`);
  await browser.waitFor(`$('form').open && Zerdo.files.has('verlauf.csv')`, 'the history window again, the file saved');
  const csv = await browser.eval(`new TextDecoder().decode(Zerdo.files.get('verlauf.csv'))`);
  const today = await browser.eval(`(() => { const d = new Date(); return d.getFullYear() + '-' + String(d.getMonth() + 1).padStart(2, '0'); })()`);
  assert.match(csv, /^when,puzzle,range,level,seconds,moves,result,hints\n/);
  assert.match(csv, new RegExp(`\\n${today}-\\d\\dT[\\d:]{8},B3,3x3,2,\\d+,9,won,0\\n`), csv);
  await browser.eval(`$('form-cmdOK').click(); 1`);
  await browser.idle();
  assert.equal(await browser.eval(`$('form').open`), false);
});
