// The page's half of the game: it replays the controller's drawings on the
// canvas, builds the menu bar and the status bar from its models, hands the
// player's pointer, touch and keys to it one event at a time, and gives it
// the browser's services (Zerdo.host) for boxes, dialogs, files and the store.
'use strict';

const Zerdo = {
  module: null,
  view: null,
  menus: [],
  queue: Promise.resolve(),
  busy: 0,          // events queued or running
  drag: 0,          // picture id the pointer holds
  pressed: null,    // {card} or {tip} pressed, waiting for the release
  cursor: null,     // the keyboard's stop {kind, index}
  carried: 0,       // picture id the keyboard carries
  carriedFrom: null,
  files: new Map(), // puzzle files the player picked, by name
  scale: 1,
};

// Words of the page's own buttons, by language code 0 German, 1 English, 2 Flemish.
// storage: where the page keeps the store and the game's own files, as a
// message about a failed write names it.
const kButtonWords = [
  {ok: 'OK', yes: 'Ja', no: 'Nein', cancel: 'Abbrechen', help: 'Hilfe', search: 'Stichwort',
    storage: 'Der Speicher dieses Browsers'},
  {ok: 'OK', yes: 'Yes', no: 'No', cancel: 'Cancel', help: 'Help', search: 'Keyword',
    storage: 'This browser\'s storage'},
  {ok: 'OK', yes: 'Ja', no: 'Nee', cancel: 'Annuleren', help: 'Help', search: 'Trefwoord',
    storage: 'De opslag van deze browser'},
];
const kHelpFolders = ['de', 'en', 'nl'];
const kHelpPages = ['index', 'play', 'cards', 'levels', 'menus', 'files', 'records'];
const kStorePrefix = 'Zerdo/';
// The game's own files (the game to continue, the history of games), one
// entry each.
const kDataPrefix = 'Zerdo/data/';

function words() { return kButtonWords[(Zerdo.view && Zerdo.view.language) || 0] || kButtonWords[0]; }
function $(id) { return document.getElementById(id); }

// ---- calls into the module, one at a time --------------------------------

Zerdo.call = function (name, ret, types, args) {
  return Zerdo.module.ccall(name, ret, types, args, {async: true});
};

// Runs f (which calls the module) after every earlier event, then shows the
// board as it now is. While a box is open the events wait behind it.
Zerdo.run = function (f, refresh = true) {
  Zerdo.busy++;
  const step = Zerdo.queue.then(f).then(() => refresh && Zerdo.refresh(), (e) => console.error(e));
  Zerdo.queue = step.finally(() => { Zerdo.busy--; });
  return Zerdo.queue;
};

// Asks the module something that changes nothing and waits for nothing (a
// help picture, the help's words), at any time: also while a box or window
// holds an earlier call paused. ccall must not be used for that: seeing the
// paused call, it would take this one for it and hand back a promise, and the
// paused call would never be resumed. Strings and numbers in, a string out.
Zerdo.ask = function (name, ...args) {
  const m = Zerdo.module;
  const held = [];
  const passed = args.map((a) => {
    if (typeof a === 'number') return a;
    const p = Zerdo.host.newString(String(a));
    held.push(p);
    return p;
  });
  try {
    return m.UTF8ToString(m['_' + name](...passed));
  } finally {
    for (const p of held) m._free(p);
  }
};

Zerdo.menu = (name) => Zerdo.run(() => Zerdo.call('zw_menu', 'number', ['string'], [name]));
Zerdo.key = (key) => Zerdo.run(() => Zerdo.call('zw_key', 'number', ['string'], [key]));

// ---- drawing -------------------------------------------------------------

function pathOf(p) {
  const path = new Path2D();
  for (let i = 0; i < p.length;) {
    const v = p[i++];
    if (v === 'M') { path.moveTo(p[i], p[i + 1]); i += 2; }
    else if (v === 'L') { path.lineTo(p[i], p[i + 1]); i += 2; }
    else if (v === 'C') { path.bezierCurveTo(p[i], p[i + 1], p[i + 2], p[i + 3], p[i + 4], p[i + 5]); i += 6; }
    else path.closePath();
  }
  return path;
}

function fillStyle(ctx, op) {
  if (!op.g) return op.c;
  const g = op.g;
  const grad = ctx.createLinearGradient(g[0], g[1], g[2], g[3]);
  for (let i = 4; i + 1 < g.length; i += 2) grad.addColorStop(g[i], g[i + 1]);
  return grad;
}

// The text's lines as they fit in width w, broken at word boundaries.
function wrapped(ctx, text, w) {
  const lines = [];
  for (const para of String(text).split('\n')) {
    let line = '';
    for (const word of para.split(' ')) {
      const next = line ? line + ' ' + word : word;
      if (line && ctx.measureText(next).width > w) { lines.push(line); line = word; } else line = next;
    }
    lines.push(line);
  }
  return lines;
}

function drawText(ctx, op) {
  const [x, y, w, h] = op.b;
  ctx.font = (op.B ? 'bold ' : '') + op.z + 'px sans-serif';
  ctx.fillStyle = op.c;
  ctx.textBaseline = 'middle';
  const lineHeight = op.z * 1.25;
  if (op.a !== 'l') {
    // Centred text wraps only where it is wider than its box, its lines
    // centred about the box's middle.
    ctx.textAlign = 'center';
    const lines = ctx.measureText(op.t).width > w ? wrapped(ctx, op.t, w) : [op.t];
    let middle = y + h / 2 - (lines.length - 1) * lineHeight / 2;
    for (const l of lines) { ctx.fillText(l, x + w / 2, middle); middle += lineHeight; }
    return;
  }
  // Left-aligned text wraps at word boundaries, line after line from the top.
  ctx.textAlign = 'left';
  const lines = wrapped(ctx, op.t, w);
  if (lines.length === 1 && h < lineHeight * 2) { ctx.fillText(lines[0], x, y + h / 2); return; }
  let top = y;
  for (const l of lines) { ctx.fillText(l, x, top + lineHeight / 2); top += lineHeight; }
}

// Replays a drawing of the controller (logical pixels) on ctx.
Zerdo.replay = function (ctx, ops) {
  for (const op of ops) {
    switch (op.o) {
      case 'f': ctx.fillStyle = fillStyle(ctx, op); ctx.fill(pathOf(op.p)); break;
      case 's':
        ctx.strokeStyle = op.c; ctx.lineWidth = op.w;
        ctx.lineCap = op.r ? 'round' : 'square'; ctx.lineJoin = op.r ? 'round' : 'bevel';
        ctx.stroke(pathOf(op.p));
        break;
      case 'k': ctx.clip(pathOf(op.p)); break;
      case 'v': ctx.save(); break;
      case 'r': ctx.restore(); break;
      case 't': drawText(ctx, op); break;
    }
  }
};

// A canvas of w x h logical pixels shown at scale, sharp at the page's
// pixel ratio.
function sizeCanvas(canvas, w, h, scale = 1) {
  const px = (window.devicePixelRatio || 1) * scale;
  canvas.width = Math.ceil(w * px); canvas.height = Math.ceil(h * px);
  canvas.style.width = w * scale + 'px'; canvas.style.height = h * scale + 'px';
  const ctx = canvas.getContext('2d');
  ctx.setTransform(px, 0, 0, px, 0, 0);
  return ctx;
}

function extent(controls) {
  let w = 0, h = 0;
  for (const c of controls) { w = Math.max(w, c.x + c.w); h = Math.max(h, c.y + c.h); }
  return [Math.ceil(w) + 4, Math.ceil(h) + 4];
}

// Draws the board: its base layer (everything but a held piece) drawn once
// into a canvas of its own and copied while it stays the same, then the held
// piece above it.
Zerdo.paint = function () {
  const text = Zerdo.drawingText;
  const baseText = text.slice(0, text.lastIndexOf(',"top":'));
  Zerdo.paintLayers(baseText, JSON.parse(text.slice(baseText.length + ',"top":'.length, -1)));
};

Zerdo.paintLayers = function (baseText, top) {
  const t0 = performance.now();
  const [w, h] = extent(Zerdo.view.controls);
  // A screen narrower than the board (a phone) shows it smaller; the page's
  // zoom and pixel ratio keep it sharp.
  const scale = Math.min(1, Math.max(0.3, (document.documentElement.clientWidth - 2) / w));
  Zerdo.scale = scale;
  const px = (window.devicePixelRatio || 1) * scale;
  const key = `${w}x${h}@${px}`;
  if (baseText !== Zerdo.baseText || key !== Zerdo.baseKey) {
    Zerdo.baseText = baseText;
    Zerdo.baseKey = key;
    Zerdo.base = Zerdo.base || document.createElement('canvas');
    const bctx = sizeCanvas(Zerdo.base, w, h, scale);
    bctx.fillStyle = 'rgb(212,208,200)';
    bctx.fillRect(0, 0, w, h);
    Zerdo.replay(bctx, JSON.parse(baseText.slice('{"base":'.length)));
  }
  const board = $('board');
  if (board.width !== Zerdo.base.width || board.height !== Zerdo.base.height) {
    sizeCanvas(board, w, h, scale);
    const reader = $('reader');
    reader.style.width = w + 'px'; reader.style.height = h + 'px';
    reader.style.transform = scale === 1 ? '' : `scale(${scale})`;
  }
  const ctx = board.getContext('2d');
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  ctx.drawImage(Zerdo.base, 0, 0);
  ctx.setTransform(px, 0, 0, px, 0, 0);
  Zerdo.replay(ctx, top);
  Zerdo.lastPaintMs = performance.now() - t0;
};

// ---- the models the page shows -------------------------------------------

// Shows what changed since the last look: the board, the menus (rebuilt
// only when their model changed, so that a menu the player is in stays
// as it is), the status bar and the screen reader's elements.
Zerdo.refresh = function () {
  const m = Zerdo.module;
  const view = m.UTF8ToString(m.ccall('zw_view', 'number', [], []));
  const menus = m.UTF8ToString(m.ccall('zw_menus', 'number', [], []));
  const drawing = m.UTF8ToString(m.ccall('zw_drawing', 'number', [], []));
  if (view !== Zerdo.viewText) {
    Zerdo.viewText = view;
    Zerdo.view = JSON.parse(view);
    // New cards end a keyboard carry: the game holds the piece no more.
    if (Zerdo.carried && Zerdo.view.held !== Zerdo.carried) {
      Zerdo.carried = 0; Zerdo.carriedFrom = null; Zerdo.carriedStop = null;
    }
    document.title = Zerdo.view.caption || 'Zerdo';
    document.documentElement.lang = kHelpFolders[Zerdo.view.language] || 'de';
    buildStatus();
    buildReader();
  }
  if (drawing !== Zerdo.drawingText) {
    Zerdo.drawingText = drawing;
    Zerdo.paint();
  }
  if (menus !== Zerdo.menusText) {
    Zerdo.menusText = menus;
    Zerdo.menus = JSON.parse(menus);
    buildMenus();
  }
  if (!Zerdo.firstPaint) Zerdo.firstPaint = performance.now();
  // Exit closed the game (its store written): a page cannot close itself,
  // so it starts the game anew, as opening the program again would.
  if (Zerdo.ready && !Zerdo.view.loaded && !Zerdo.closing) {
    Zerdo.closing = true;
    location.reload();
  }
};

function plainCaption(c) { return c.replace(/&(.)/g, '$1'); }

function buildMenus() {
  const bar = $('menubar');
  const openName = bar.querySelector('.open') ? bar.querySelector('.open').dataset.name : null;
  bar.textContent = '';
  const items = Zerdo.menus;
  const children = items.map(() => []);
  const top = [];
  items.forEach((it, i) => { if (it.parent < 0) top.push(i); else children[it.parent].push(i); });
  const make = (i, level) => {
    const it = items[i];
    const holder = document.createElement('div');
    holder.dataset.name = it.name;
    const b = document.createElement('button');
    b.id = it.name;
    b.setAttribute('role', 'menuitem');
    b.disabled = !it.enabled;
    const tick = document.createElement('span');
    tick.className = 'tick';
    if (level > 0) { tick.textContent = it.checked ? '\u2713' : ''; b.append(tick); }
    if (it.checked) b.setAttribute('aria-checked', 'true');
    // The caption with its access key underlined, as the window shows it.
    const label = document.createElement('span');
    const at = it.caption.indexOf('&');
    if (at >= 0 && at + 1 < it.caption.length) {
      const key = document.createElement('u');
      key.textContent = it.caption[at + 1];
      label.append(it.caption.slice(0, at), key, it.caption.slice(at + 2).replace(/&/g, ''));
    } else {
      label.textContent = plainCaption(it.caption);
    }
    b.append(label);
    const access = /&(.)/.exec(it.caption);
    if (access) b.dataset.access = access[1].toLowerCase();
    if (it.shortcut) {
      const key = document.createElement('span');
      key.className = 'key'; key.textContent = it.shortcut; b.append(key);
      b.setAttribute('aria-keyshortcuts', it.shortcut);
    }
    holder.append(b);
    const sub = children[i].filter((c) => items[c].visible);
    if (sub.length) {
      b.setAttribute('aria-haspopup', 'menu');
      if (level > 0) { const arrow = document.createElement('span'); arrow.className = 'key'; arrow.textContent = '\u25b8'; b.append(arrow); }
      const menu = document.createElement('div');
      menu.className = 'menu'; menu.setAttribute('role', 'menu');
      for (const c of sub) {
        if (items[c].separator) menu.append(document.createElement('hr'));
        menu.append(make(c, level + 1));
      }
      holder.append(menu);
      b.addEventListener('click', (e) => {
        e.stopPropagation();
        // A menu of the bar opens and closes by click; a submenu stays open.
        const wasOpen = holder.classList.contains('open');
        if (level === 0) closeMenus();
        else for (const sib of holder.parentElement.children) sib.classList.remove('open');
        holder.classList.toggle('open', level > 0 || !wasOpen);
      });
      b.addEventListener('mouseenter', () => {
        if (level > 0 || bar.querySelector('.open')) {
          for (const sib of holder.parentElement.children) if (sib !== holder) sib.classList.remove('open');
          holder.classList.add('open');
        }
      });
    } else {
      b.addEventListener('click', (e) => { e.stopPropagation(); closeMenus(); Zerdo.menu(it.name); });
    }
    return holder;
  };
  for (const i of top) if (items[i].visible) bar.append(make(i, 0));
  if (openName) { const h = bar.querySelector(`[data-name="${openName}"]`); if (h) h.classList.add('open'); }
}

function closeMenus() { for (const o of document.querySelectorAll('#menubar .open')) o.classList.remove('open'); }
document.addEventListener('click', closeMenus);

function buildStatus() {
  const bar = $('status');
  const panels = Zerdo.view.status;
  // The first panel (the puzzle, the moves, the time played) is read out as
  // it changes; the clock's panel is not, or it would speak every second.
  while (bar.children.length < panels.length) {
    const span = document.createElement('span');
    if (!bar.children.length) { span.setAttribute('role', 'status'); span.setAttribute('aria-live', 'polite'); }
    bar.append(span);
  }
  panels.forEach((p, i) => {
    const s = bar.children[i];
    if (s.textContent !== p.text) s.textContent = p.text;
    s.title = p.tip;
  });
}

// ---- what the screen reader and the keyboard see -------------------------

const isPiece = (c) => c.role === 'piece';
const isCard = (c) => c.role === 'card';
const isField = (c) => c.role === 'boardField';
const isTip = (c) => c.role === 'tip';

// The keyboard's stops in reading order, as the game lays them out on the
// grid the window's arrows walk too: every place of the stock (empty ones
// too), the board's fields, then (unless a piece is carried) the cards.
// Each is {kind: 'stock' | 'field' | 'card', index, c: its area, piece: the
// picture id picked up there (0 for none), drop: where the carried piece's
// corner goes to lie on it (twips)}.
function stops() {
  if (!Zerdo.module || !Zerdo.view) return [];
  return JSON.parse(Zerdo.ask('zw_key_stops', Zerdo.carried || 0)).map((t) =>
    ({kind: t.kind, index: t.index, piece: t.piece, drop: t.drop, c: {x: t.x, y: t.y, w: t.w, h: t.h}}));
}

// The words of the window's screen-reader view for a stop: a stock place
// says its piece, or that it is empty.
function stopWords(t) {
  const kind = t.kind === 'stock' ? (t.piece === t.index ? 'piece' : 'place') : t.kind;
  return (Zerdo.view.reader || []).find((r) => r.kind === kind && r.index === t.index);
}

function inside(c, x, y) { return x >= c.x && y >= c.y && x < c.x + c.w && y < c.y + c.h; }

function buildReader() {
  const reader = $('reader');
  reader.textContent = '';
  for (const s of stops()) {
    const el = document.createElement('div');
    el.className = 'item';
    el.setAttribute('role', 'img');
    const c = s.c;
    el.style.left = c.x + 'px'; el.style.top = c.y + 'px'; el.style.width = c.w + 'px'; el.style.height = c.h + 'px';
    const words = stopWords(s);
    el.setAttribute('aria-label', words ? words.name : '');
    if (words && words.description) el.setAttribute('aria-description', words.description);
    el.dataset.kind = s.kind; el.dataset.index = s.index;
    if (Zerdo.cursor && Zerdo.cursor.kind === s.kind && Zerdo.cursor.index === s.index) {
      el.classList.add('cursor');
      if (Zerdo.cursorShown) el.classList.add('shown');
      reader.setAttribute('aria-activedescendant', el.id = 'cursor-item');
    }
    reader.append(el);
  }
}

function control(name, index) { return Zerdo.view.controls.find((c) => c.name === name && c.index === index); }
function pieceControl(k) { return Zerdo.view.controls.find((c) => isPiece(c) && c.picture === k); }

// The topmost visible control at the point, accepts limiting which.
function controlAt(x, y, accepts) {
  const all = Zerdo.view.controls;
  for (let i = all.length - 1; i >= 0; i--) if (inside(all[i], x, y) && (!accepts || accepts(all[i]))) return all[i];
  return null;
}

// ---- the pointer: mouse, pen and touch -----------------------------------

function boardPoint(e) {
  const r = $('board').getBoundingClientRect();
  return [(e.clientX - r.left) / Zerdo.scale, (e.clientY - r.top) / Zerdo.scale];
}

function pointerDown(e) {
  if (Zerdo.drag || Zerdo.carried || !Zerdo.view) return;
  closeMenus();
  Zerdo.cursorShown = false;
  const [x, y] = boardPoint(e);
  const top = controlAt(x, y);
  if (top && isPiece(top)) {
    Zerdo.drag = top.picture;
    $('stage').setPointerCapture(e.pointerId);
    const k = Zerdo.drag;
    Zerdo.run(() => Zerdo.call('zw_down', null, ['number'], [k]));
  } else {
    const card = top ? controlAt(x, y, isCard) : null;
    Zerdo.pressed = top && isTip(top) ? {tip: true} : card ? {card: card.index + 1} : null;
  }
  // No text selection or scrolling while on the board; the keys stay with it.
  e.preventDefault();
  $('reader').focus();
}

function pointerMove(e) {
  if (!Zerdo.drag) return;
  // Moves beyond one waiting in the queue only repeat where the pointer was.
  if (Zerdo.moveWaiting) { Zerdo.moveWaiting = boardPoint(e); return; }
  Zerdo.moveWaiting = boardPoint(e);
  const k = Zerdo.drag;
  // A frame of the drag: the piece moved, and only its layer drawn anew.
  Zerdo.run(() => {
    const [x, y] = Zerdo.moveWaiting;
    Zerdo.moveWaiting = null;
    const p = pieceControl(k);
    if (!p) return;
    const t0 = performance.now();
    const dx = Math.round(x * 15) - p.left, dy = Math.round(y * 15) - p.top;
    return Zerdo.call('zw_move', null, ['number', 'number', 'number'], [k, dx, dy]).then(() => {
      const m = Zerdo.module;
      const at = JSON.parse(m.UTF8ToString(m.ccall('zw_piece', 'number', ['number'], [k])));
      if (at) [p.x, p.y, p.left, p.top] = at;
      Zerdo.drawingText = null;  // the next refresh draws the whole board
      Zerdo.paintLayers(Zerdo.baseText, JSON.parse(m.UTF8ToString(m.ccall('zw_top', 'number', [], []))));
      Zerdo.lastDragFrameMs = performance.now() - t0;
      (Zerdo.dragFrames = Zerdo.dragFrames || []).push(Zerdo.lastDragFrameMs);
    });
  }, false);
}

function pointerUp(e) {
  if (Zerdo.drag) {
    const k = Zerdo.drag;
    Zerdo.drag = 0;
    Zerdo.run(() => Zerdo.call('zw_up', null, ['number'], [k]));
    return;
  }
  const pressed = Zerdo.pressed;
  Zerdo.pressed = null;
  if (!pressed) return;
  const [x, y] = boardPoint(e);
  if (pressed.card) {
    const card = controlAt(x, y, isCard);
    const top = controlAt(x, y);
    if (card && card.index + 1 === pressed.card && !(top && isPiece(top)))
      Zerdo.run(() => Zerdo.call('zw_card', 'number', ['number'], [pressed.card]));
  } else if (pressed.tip) {
    const top = controlAt(x, y);
    if (top && isTip(top)) Zerdo.run(() => Zerdo.call('zw_tip', null, [], []));
  }
}

// ---- the keyboard --------------------------------------------------------

// The key as the menus name their shortcuts: "F2", "Shift+F4", "Ctrl+N".
function keyName(e) {
  let k = e.key;
  if (/^F\d+$/.test(k)) {} else if (k.length === 1) k = k.toUpperCase(); else return null;
  return (e.ctrlKey ? 'Ctrl+' : '') + (e.shiftKey ? 'Shift+' : '') + (e.altKey ? 'Alt+' : '') + k;
}

function stopEqual(a, b) { return a && b && a.kind === b.kind && a.index === b.index; }

function currentStop(all) {
  if (Zerdo.cursor) { const s = all.find((t) => stopEqual(t, Zerdo.cursor)); if (s) return s; }
  return all[0] || null;
}

// Where an arrow ('ArrowLeft' ...) leads from stop `from`, beside the block
// ('stock' or 'board') the cursor last left for the cards: {stop, beside},
// the way the window's arrows go; null where the board has no such stop.
function stepFrom(all, from, beside, arrow) {
  const to = JSON.parse(Zerdo.ask('zw_key_step', from.kind, from.index, beside || 'board', arrow, Zerdo.carried || 0));
  const stop = to && all.find((t) => stopEqual(t, to));
  return stop ? {stop, beside: to.beside} : null;
}

// The carried piece moves as under the pointer, to lie on the stop.
function moveCarried(stop) {
  const k = Zerdo.carried;
  Zerdo.run(() => {
    const p = pieceControl(k);
    if (!p || !stop.drop) return;
    const x = stop.drop[0] - p.left, y = stop.drop[1] - p.top;
    if (x || y) return Zerdo.call('zw_move', null, ['number', 'number', 'number'], [k, x, y]);
  });
}

function boardKey(e) {
  const arrows = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'];
  if (!Zerdo.view) return false;
  if (arrows.includes(e.key) && !e.ctrlKey && !e.altKey) {
    const all = stops();
    const here = currentStop(all);
    if (!here) return true;
    if (!Zerdo.cursorShown || !stopEqual(here, Zerdo.cursor)) {
      Zerdo.cursorShown = true; Zerdo.cursor = here; buildReader(); return true;
    }
    const next = stepFrom(all, here, Zerdo.beside, e.key);
    if (next) {
      Zerdo.beside = next.beside;
      if (!stopEqual(next.stop, here)) {
        Zerdo.cursor = {kind: next.stop.kind, index: next.stop.index};
        if (Zerdo.carried) moveCarried(next.stop); else buildReader();
      }
    }
    return true;
  }
  if (e.key === ' ' || e.key === 'Enter') {
    const all = stops();
    const here = currentStop(all);
    if (!here) return true;
    Zerdo.cursorShown = true;
    Zerdo.cursor = {kind: here.kind, index: here.index};
    if (here.kind === 'card') {
      Zerdo.run(() => Zerdo.call('zw_card', 'number', ['number'], [here.index]));
    } else if (Zerdo.carried) {
      const k = Zerdo.carried;
      Zerdo.carried = 0; Zerdo.carriedFrom = null; Zerdo.carriedStop = null;
      Zerdo.run(() => Zerdo.call('zw_up', null, ['number'], [k]));
    } else {
      const k = here.piece, piece = k && pieceControl(k);
      if (!piece) return true;
      const from = Object.assign({}, piece), at = {kind: here.kind, index: here.index};
      Zerdo.run(() => Zerdo.call('zw_down', null, ['number'], [k]).then(() => {
        Zerdo.refresh();
        // A stopped game lets no piece be picked up: the piece is not held then.
        if (Zerdo.view.held !== k) return;
        Zerdo.carried = k; Zerdo.carriedFrom = from; Zerdo.carriedStop = at;
      }));
    }
    return true;
  }
  if (e.key === 'Escape' && Zerdo.carried) {
    const k = Zerdo.carried, from = Zerdo.carriedFrom;
    if (Zerdo.carriedStop) Zerdo.cursor = Zerdo.carriedStop;
    Zerdo.carried = 0; Zerdo.carriedFrom = null; Zerdo.carriedStop = null;
    Zerdo.run(() => {
      const p = pieceControl(k);
      const x = from.left - p.left, y = from.top - p.top;
      return (x || y ? Zerdo.call('zw_move', null, ['number', 'number', 'number'], [k, x, y]) : Promise.resolve())
        .then(() => Zerdo.call('zw_up', null, ['number'], [k]));
    });
    return true;
  }
  return false;
}

// The keys in an open menu: the arrows go from item to item, into a
// submenu and out of it, Escape closes the menu, a letter chooses the item
// whose access key it is.
function menuKey(e) {
  const open = [...document.querySelectorAll('#menubar .open')];
  if (!open.length) return false;
  const inner = open[open.length - 1];
  const items = [...inner.querySelector(':scope > .menu').children].filter((x) => x.tagName === 'DIV')
      .map((x) => x.querySelector(':scope > button')).filter((b) => !b.disabled);
  const at = items.indexOf(document.activeElement);
  switch (e.key) {
    case 'Escape':
      closeMenus(); $('reader').focus(); return true;
    case 'ArrowDown': case 'ArrowUp': {
      const step = e.key === 'ArrowDown' ? 1 : -1;
      if (items.length) items[(at + step + items.length) % items.length].focus();
      return true;
    }
    case 'ArrowRight':
      if (at >= 0 && items[at].getAttribute('aria-haspopup')) {
        items[at].click();
        const sub = items[at].parentElement.querySelector(':scope > .menu button:not(:disabled)');
        if (sub) sub.focus();
      }
      return true;
    case 'ArrowLeft':
      if (open.length > 1) { inner.classList.remove('open'); inner.querySelector(':scope > button').focus(); }
      return true;
    case 'Enter': case ' ':
      if (at >= 0) items[at].click();
      return true;
    default: {
      const b = items.find((x) => x.dataset.access === e.key.toLowerCase());
      if (b && !e.ctrlKey && !e.altKey) { b.click(); return true; }
      return false;
    }
  }
}

function keyDown(e) {
  if (document.querySelector('dialog[open]') || !Zerdo.view) return;
  if (menuKey(e)) { e.preventDefault(); return; }
  const name = keyName(e);
  if (name) {
    const item = Zerdo.menus.find((m) => m.shortcut === name || m.second_shortcut === name);
    if (item) { e.preventDefault(); closeMenus(); Zerdo.key(name); return; }
  }
  if (e.altKey && e.key.length === 1) {
    const b = [...document.querySelectorAll('#menubar > div > button')].find((x) => x.dataset.access === e.key.toLowerCase());
    if (b) {
      e.preventDefault();
      b.click();
      const first = b.parentElement.querySelector(':scope > .menu button:not(:disabled)');
      (first || b).focus();
      return;
    }
  }
  if (e.target === $('reader') || e.target === document.body) if (boardKey(e)) e.preventDefault();
}

// A secondary window's table of figures as a table of the page, named by
// caption: heads and rows, the range and level on the left, the figures on
// the right; it scrolls within its place, by the keyboard as well.
function figureTable(t, caption) {
  const holder = document.createElement('div');
  holder.className = 'figures';
  holder.tabIndex = 0;
  const table = document.createElement('table');
  table.setAttribute('aria-label', caption);
  const head = table.createTHead().insertRow();
  t.heads.forEach((h, k) => {
    const th = document.createElement('th');
    th.scope = 'col'; th.textContent = h;
    if (k >= 2) th.className = 'figure';
    head.append(th);
  });
  const body = table.createTBody();
  for (const row of t.rows) {
    const tr = body.insertRow();
    row.forEach((cell, k) => {
      const td = tr.insertCell();
      td.textContent = cell;
      if (k >= 2) td.className = 'figure';
    });
  }
  holder.append(table);
  return holder;
}

// ---- the browser's services for the controller ---------------------------

// Why the browser refused a write of the local storage: "quota" when the
// page's share of the storage is used up, "denied" when the browser allows
// the page no storage, else the browser's reason.
function storageFailure(e) {
  const name = e && e.name;
  if (name === 'QuotaExceededError' || name === 'NS_ERROR_DOM_QUOTA_REACHED') return 'quota';
  if (name === 'SecurityError') return 'denied';
  return String(e && e.message || e);
}

Zerdo.host = {
  newString(text) {
    const m = Zerdo.module;
    const n = m.lengthBytesUTF8(text) + 1;
    const p = m._malloc(n);
    m.stringToUTF8(text, p, n);
    return p;
  },

  // 0 OK, 1 Yes, 2 No, 3 Cancel.
  messageBox(box) {
    const d = $('box'), w = words();
    $('box-title').textContent = box.title;
    $('box-text').textContent = box.text;
    const buttons = $('box-buttons');
    buttons.textContent = '';
    const choices = box.buttons === 0 ? [['0', w.ok]] : [['1', w.yes], ['2', w.no], ['3', w.cancel]];
    for (const [value, caption] of choices) {
      const b = document.createElement('button');
      b.value = value; b.textContent = caption;
      buttons.append(b);
    }
    d.returnValue = '';
    return new Promise((resolve) => {
      d.addEventListener('close', () => resolve(Number(d.returnValue || (box.buttons === 0 ? 0 : 3))), {once: true});
      d.showModal();
      buttons.firstChild.focus();
    });
  },

  // Shows a secondary window; resolves with the pressed button and the text
  // boxes' contents ("control\nname=value"), or "" when closed.
  form(f) {
    const d = $('form');
    $('form-title').textContent = f.caption;
    const body = $('form-body');
    body.textContent = '';
    const [w, h] = extent(f.controls.filter((c) => c.visible));
    body.style.width = w + 'px'; body.style.height = h + 'px';
    const canvas = document.createElement('canvas');
    canvas.style.left = '0'; canvas.style.top = '0';
    Zerdo.replay(sizeCanvas(canvas, w, h), f.drawing);
    body.append(canvas);
    const inputs = [];
    return new Promise((resolve) => {
      let answered = false;
      const answer = (name) => {
        answered = true;
        const values = inputs.map((i) => '\n' + i.name + '=' + i.value.replace(/\n/g, ' ')).join('');
        d.close();
        resolve(name + values);
      };
      for (const c of f.controls) {
        if (!c.visible) continue;
        let el = null;
        if (c.kind === 4) {
          el = document.createElement('button');
          el.textContent = plainCaption(c.caption);
          el.disabled = !c.enabled;
          el.addEventListener('click', () => answer(c.name));
        } else if (c.role === 'nameBox') {
          el = document.createElement('input');
          el.value = c.caption; el.name = c.name;
          el.addEventListener('keydown', (e) => {
            if (e.key === 'Enter') { e.preventDefault(); const ok = f.controls.find((b) => b.role === 'okButton'); if (ok) answer(ok.name); }
          });
          inputs.push(el);
        } else if (c.role === 'table') {
          el = figureTable(f.table, c.caption);
        } else if (c.role === 'chart' && c.drawing) {
          // Drawn by the game; the table beside it holds the same figures in words.
          el = document.createElement('canvas');
          Zerdo.replay(sizeCanvas(el, c.w, c.h), c.drawing);
          el.setAttribute('role', 'img');
          el.setAttribute('aria-label', c.tip);
          el.title = c.tip;
        }
        if (!el) continue;
        el.id = 'form-' + c.name.replace(/[()]/g, '_');
        Object.assign(el.style, {left: c.x + 'px', top: c.y + 'px', width: c.w + 'px', height: c.h + 'px'});
        body.append(el);
      }
      d.addEventListener('close', () => { if (!answered) resolve(''); }, {once: true});
      d.showModal();
      // The name box first; else OK, which Enter presses in the window too.
      const ok = f.controls.find((b) => b.role === 'okButton' && b.visible);
      (inputs[0] || (ok && $('form-' + ok.name.replace(/[()]/g, '_'))) || body.querySelector('button')).focus();
      if (inputs[0]) inputs[0].select();
    });
  },

  // Open: the browser's file picker (its name comes back; the bytes wait in
  // Zerdo.files for readFile). Save: the name of the download, asked for.
  fileDialog(save, title, filter) {
    const patterns = filter.split('|').filter((_, i) => i % 2 === 1).join(';');
    const ext = (/\*(\.\w+)/.exec(patterns) || [, '.zdo'])[1];
    if (save) {
      const d = $('ask'), w = words();
      $('ask-title').textContent = title;
      $('ask-name').value = (Zerdo.lastFile || 'zerdo') .replace(/\.\w+$/, '') + ext;
      $('ask-cancel').textContent = w.cancel;
      d.returnValue = '';
      return new Promise((resolve) => {
        d.addEventListener('close', () => resolve(d.returnValue === 'ok' ? $('ask-name').value.trim() : ''), {once: true});
        d.showModal();
        $('ask-name').select();
      });
    }
    const picker = $('picker');
    picker.accept = patterns.split(';').map((p) => p.replace(/^\*/, '')).filter((p) => p && p !== '.*').join(',');
    picker.value = '';
    return new Promise((resolve) => {
      const done = (name) => { picker.onchange = picker.oncancel = null; resolve(name); };
      picker.onchange = () => {
        const file = picker.files[0];
        if (!file) return done('');
        file.arrayBuffer().then((buf) => { Zerdo.files.set(file.name, new Uint8Array(buf)); Zerdo.lastFile = file.name; done(file.name); });
      };
      picker.oncancel = () => done('');
      picker.click();
    });
  },

  readFile(name) { return Zerdo.files.has(name) ? Zerdo.files.get(name) : null; },

  writeFile(name, bytes) {
    try {
      Zerdo.files.set(name, bytes);
      Zerdo.lastFile = name;
      const a = document.createElement('a');
      a.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
      a.download = name;
      document.body.append(a); a.click(); a.remove();
      setTimeout(() => URL.revokeObjectURL(a.href), 10000);
      return true;
    } catch (e) { return false; }
  },

  // The puzzle on paper: the option of a solution page asked for, then the
  // sheet laid out for the browser's printing (which also saves a PDF).
  print(job) {
    const d = $('print'), w = words();
    $('print-title').textContent = job.dialog;
    $('print-option').textContent = plainCaption(job.option);
    $('print-cancel').textContent = w.cancel;
    d.returnValue = '';
    return new Promise((resolve) => {
      d.addEventListener('close', () => {
        if (d.returnValue !== 'ok') return resolve(0);
        try {
          layOutSheet(job, $('print-solution').checked);
          window.print();
          resolve(1);
        } catch (e) {
          console.error(e);
          resolve(2);
        }
      }, {once: true});
      d.showModal();
      $('print-ok').focus();
    });
  },

  storeGet(key) { try { return localStorage.getItem(kStorePrefix + key); } catch (e) { return null; } },

  // Writes every value or none: "" when written, "quota" when the page's
  // share of the storage is used up, "denied" when the browser allows the
  // page no storage, else the browser's reason.
  storePut(values) {
    const before = {};
    try {
      for (const k of Object.keys(values)) before[k] = localStorage.getItem(kStorePrefix + k);
      for (const [k, v] of Object.entries(values)) localStorage.setItem(kStorePrefix + k, v);
      return '';
    } catch (e) {
      try {
        for (const [k, v] of Object.entries(before))
          if (v === null) localStorage.removeItem(kStorePrefix + k); else localStorage.setItem(kStorePrefix + k, v);
      } catch (ignored) {}
      return storageFailure(e);
    }
  },

  // A file of the game's own: at most limit of its bytes, null when the page
  // keeps none by that name (or may keep nothing). Each byte is one
  // character of the entry, so that the bytes come back as they went in.
  dataGet(name, limit) {
    let text;
    try { text = localStorage.getItem(kDataPrefix + name); } catch (e) { return null; }
    if (text == null) return null;
    const n = Math.min(text.length, limit);
    const bytes = new Uint8Array(n);
    for (let i = 0; i < n; i++) bytes[i] = text.charCodeAt(i);
    return bytes;
  },

  // Replaces the file (or adds bytes at its end) in one write of its entry:
  // the browser keeps the whole new entry or the old one. Answers as
  // storePut does.
  dataPut(name, bytes, append) {
    try {
      let text = '';
      for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
      if (append) text = (localStorage.getItem(kDataPrefix + name) || '') + text;
      localStorage.setItem(kDataPrefix + name, text);
      return '';
    } catch (e) { return storageFailure(e); }
  },

  dataRemove(name) {
    try { localStorage.removeItem(kDataPrefix + name); return ''; } catch (e) { return storageFailure(e); }
  },

  // Where a write that failed was going, in the page's words: the storage,
  // with the file's name where it was one.
  storagePlace(name) { return words().storage + (name ? ' (' + name + ')' : ''); },

  help(search, file, context, keyword) {
    const lang = search ? (Zerdo.view ? Zerdo.view.language : 0) : ({1200: 0, 1210: 1, 1220: 2}[context] ?? 0);
    openHelp(kHelpFolders[lang] || 'de', search, keyword);
  },
  helpClose() { const d = $('help'); if (d.open) d.close(); },
};

// The sheet: the head lines, every card and the empty board cut from the
// board's drawing, and on a page of its own the board solved.
function layOutSheet(job, withSolution) {
  const sheet = $('sheet');
  sheet.textContent = '';
  // A part of the board with the tab above it and the shadow below it.
  const part = ([x, y, w, h], ops) => {
    const canvas = document.createElement('canvas');
    const ctx = sizeCanvas(canvas, w + 2, h + 6);
    ctx.translate(-x, 4 - y);
    Zerdo.replay(ctx, ops);
    return canvas;
  };
  const page = document.createElement('div');
  page.className = 'page';
  const head = (text, tag) => { const e = document.createElement(tag); e.textContent = text; return e; };
  page.append(head(job.title, 'h1'), head(job.details, 'p'));
  const cards = document.createElement('div');
  cards.className = 'cards';
  for (const r of job.cards) if (r) cards.append(part(r, job.drawing));
  page.append(cards);
  if (job.board) page.append(part(job.board, job.drawing));
  sheet.append(page);
  if (withSolution && job.board) {
    const solved = document.createElement('div');
    solved.className = 'page solution';
    solved.append(head(job.title, 'h1'), head(job.solutionTitle, 'h2'), part(job.board, job.drawing.concat(job.solution)));
    sheet.append(solved);
  }
}

// ---- help: the pages of the language with a keyword search ---------------

Zerdo.helpIndex = {};

async function helpIndex(folder) {
  if (Zerdo.helpIndex[folder]) return Zerdo.helpIndex[folder];
  const entries = [];
  for (const page of kHelpPages) {
    const file = `help/${folder}/${page}.html`;
    try {
      const html = await (await fetch(file)).text();
      const doc = new DOMParser().parseFromString(html, 'text/html');
      const title = doc.title;
      const meta = doc.querySelector('meta[name="keywords"]');
      for (const k of (meta ? meta.content : '').split(';').map((s) => s.trim()).filter(Boolean)) entries.push({keyword: k, file, title});
    } catch (e) { /* a page missing from the folder leaves its keywords out */ }
  }
  entries.sort((a, b) => a.keyword.localeCompare(b.keyword, undefined, {sensitivity: 'base'}));
  return (Zerdo.helpIndex[folder] = entries);
}

// The pages name their pictures and card sketches "zerdo-picture:7",
// "zerdo-card:..."; each is drawn by the game onto a canvas in its place.
function drawHelpPictures(doc) {
  if (!doc) return;
  for (const img of [...doc.querySelectorAll('img')]) {
    const name = img.getAttribute('src') || '';
    if (!name.startsWith('zerdo-')) continue;
    const found = JSON.parse(Zerdo.ask('zw_help_image', name));
    if (!found) continue;
    const canvas = doc.createElement('canvas');
    canvas.setAttribute('role', 'img');
    canvas.setAttribute('aria-label', img.getAttribute('alt') || '');
    canvas.style.verticalAlign = 'middle';
    Zerdo.replay(sizeCanvas(canvas, found.w, found.h), found.drawing);
    img.replaceWith(canvas);
  }
}

// The keyword's first place on a help page, marked and in sight: as a word
// of its own where it stands so, else within a word.
function markKeyword(doc, keyword) {
  if (!doc || !doc.body || !keyword) return;
  const text = keyword.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  for (const pattern of [`(?<![\\p{L}\\p{N}])${text}(?![\\p{L}\\p{N}])`, text]) {
    const re = new RegExp(pattern, 'iu');
    const walk = doc.createTreeWalker(doc.body, NodeFilter.SHOW_TEXT);
    for (let node = walk.nextNode(); node; node = walk.nextNode()) {
      const m = re.exec(node.data);
      if (!m) continue;
      const range = doc.createRange();
      range.setStart(node, m.index);
      range.setEnd(node, m.index + m[0].length);
      const selection = doc.getSelection();
      selection.removeAllRanges();
      selection.addRange(range);
      node.parentElement.scrollIntoView({block: 'center'});
      return;
    }
  }
}

async function openHelp(folder, search, keyword) {
  const d = $('help'), w = words();
  const list = $('help-list'), box = $('help-search'), page = $('help-page');
  box.placeholder = w.search;
  box.setAttribute('aria-label', w.search);
  $('help-close').setAttribute('aria-label', w.cancel);
  $('help-close').onclick = () => d.close();
  const entries = await helpIndex(folder);
  const show = () => {
    const text = box.value.trim().toLowerCase();
    const hits = entries.filter((e) => e.keyword.toLowerCase().includes(text));
    hits.sort((a, b) => (b.keyword.toLowerCase().startsWith(text) ? 1 : 0) - (a.keyword.toLowerCase().startsWith(text) ? 1 : 0));
    list.textContent = '';
    for (const e of hits) {
      const li = document.createElement('li');
      const a = document.createElement('a');
      a.href = e.file; a.textContent = e.keyword + ' \u2013 ' + e.title;
      a.addEventListener('click', (ev) => { ev.preventDefault(); page.dataset.keyword = e.keyword; page.src = e.file; });
      li.append(a); list.append(li);
    }
    // Nothing found is said where the results would be.
    if (!hits.length) {
      const li = document.createElement('li');
      li.setAttribute('role', 'status');
      li.textContent = Zerdo.ask('zw_help_nothing', box.value, folder);
      list.append(li);
    }
  };
  box.value = keyword || '';
  box.oninput = show;
  list.hidden = !search;
  box.onfocus = () => { list.hidden = false; show(); };
  if (search) show();
  page.onload = () => {
    drawHelpPictures(page.contentDocument);
    markKeyword(page.contentDocument, page.dataset.keyword);
  };
  page.dataset.keyword = '';
  page.src = `help/${folder}/index.html`;
  if (!d.open) d.showModal();
  if (search) box.focus();
}

// ---- start ---------------------------------------------------------------

Zerdo.start = async function () {
  Zerdo.module = await ZerdoModule();
  await Zerdo.run(() => Zerdo.call('zw_start', null, [], []));
  const icon = document.createElement('canvas');
  Zerdo.replay(sizeCanvas(icon, 32, 32), JSON.parse(Zerdo.module.UTF8ToString(Zerdo.module.ccall('zw_icon', 'number', ['number'], [32]))));
  $('icon').href = icon.toDataURL();
  // The reader's named elements lie over the canvas: the stage takes the pointer.
  const board = $('stage');
  board.addEventListener('pointerdown', pointerDown);
  board.addEventListener('pointermove', pointerMove);
  board.addEventListener('pointerup', pointerUp);
  board.addEventListener('pointercancel', pointerUp);
  $('reader').addEventListener('pointerdown', () => $('reader').focus());
  document.addEventListener('keydown', keyDown);
  window.addEventListener('resize', () => Zerdo.drawingText && Zerdo.paint());
  setInterval(() => { if (!Zerdo.busy && Zerdo.view && Zerdo.view.loaded) Zerdo.run(() => Zerdo.call('zw_timer', null, [], [])); }, 300);
  window.addEventListener('pagehide', () => {
    if (Zerdo.view && Zerdo.view.loaded && !Zerdo.busy) Zerdo.module.ccall('zw_unload', null, [], []);
  });
  $('reader').focus();
  Zerdo.stops = stops;
  Zerdo.stepFrom = stepFrom;
  Zerdo.ready = true;
};
