// A small client of the browser's DevTools protocol: headless Chromium from
// the system, one page, the calls the web tests need, and a static server
// for the site on a free port of 127.0.0.1.
import {spawn} from 'node:child_process';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

// Resolves with the first match of re in what the process writes to stream.
function waitForLine(proc, stream, re, what) {
  return new Promise((resolve, reject) => {
    let seen = '';
    const timer = setTimeout(() => reject(new Error(`${what} did not start: ${seen}`)), 20000);
    proc[stream].on('data', (chunk) => {
      seen += chunk;
      const m = re.exec(seen);
      if (m) { clearTimeout(timer); resolve(m); }
    });
    proc.on('exit', (code) => reject(new Error(`${what} ended (${code}): ${seen}`)));
  });
}

export async function serve(root) {
  const proc = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1'],
      {cwd: root, stdio: ['ignore', 'pipe', 'ignore']});
  const m = await waitForLine(proc, 'stdout', /port (\d+)/, 'the web server');
  return {url: `http://127.0.0.1:${m[1]}/`, close: () => proc.kill()};
}

export class Browser {
  static async launch() {
    const b = new Browser();
    b.profile = mkdtempSync(join(tmpdir(), 'zerdo-web-'));
    b.proc = spawn('chromium', ['--headless', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--no-first-run',
      '--remote-debugging-port=0', `--user-data-dir=${b.profile}`, '--window-size=1100,800',
      'about:blank'], {stdio: ['ignore', 'ignore', 'pipe']});
    const m = await waitForLine(b.proc, 'stderr', /DevTools listening on (ws:\S+)/, 'chromium');
    b.ws = new WebSocket(m[1]);
    await new Promise((resolve, reject) => { b.ws.onopen = resolve; b.ws.onerror = reject; });
    b.next = 1;
    b.waiting = new Map();
    b.listeners = [];
    b.ws.onmessage = (e) => {
      const msg = JSON.parse(e.data);
      if (msg.id && b.waiting.has(msg.id)) {
        const {resolve, reject} = b.waiting.get(msg.id);
        b.waiting.delete(msg.id);
        if (msg.error) reject(new Error(JSON.stringify(msg.error))); else resolve(msg.result);
      } else if (msg.method) {
        for (const l of b.listeners) l(msg);
      }
    };
    const {targetId} = await b.send('Target.createTarget', {url: 'about:blank'});
    const {sessionId} = await b.send('Target.attachToTarget', {targetId, flatten: true});
    b.session = sessionId;
    await b.page('Page.enable');
    await b.page('Runtime.enable');
    // What the page reports as going wrong goes to the test's output.
    b.listeners.push((msg) => {
      if (msg.method === 'Runtime.exceptionThrown')
        console.error('page:', msg.params.exceptionDetails.exception?.description || msg.params.exceptionDetails.text);
      if (msg.method === 'Runtime.consoleAPICalled' && msg.params.type === 'error')
        console.error('page:', msg.params.args.map((a) => a.value ?? a.description).join(' '));
    });
    return b;
  }

  send(method, params = {}, sessionId) {
    const id = this.next++;
    this.ws.send(JSON.stringify({id, method, params, sessionId}));
    return new Promise((resolve, reject) => this.waiting.set(id, {resolve, reject}));
  }
  page(method, params = {}) { return this.send(method, params, this.session); }

  // The next event of that name, as a promise.
  event(method) {
    return new Promise((resolve) => {
      const l = (msg) => {
        if (msg.method !== method) return;
        this.listeners = this.listeners.filter((x) => x !== l);
        resolve(msg.params);
      };
      this.listeners.push(l);
    });
  }

  async eval(expression) {
    const r = await this.page('Runtime.evaluate', {expression, awaitPromise: true, returnByValue: true});
    if (r.exceptionDetails) throw new Error(`${expression}: ${JSON.stringify(r.exceptionDetails)}`);
    return r.result.value;
  }

  async waitFor(expression, what, ms = 10000) {
    const end = Date.now() + ms;
    for (;;) {
      const v = await this.eval(expression);
      if (v) return v;
      if (Date.now() > end) throw new Error(`waited in vain for ${what || expression}`);
      await new Promise((r) => setTimeout(r, 25));
    }
  }

  async goto(url) {
    const loaded = this.event('Page.loadEventFired');
    await this.page('Page.navigate', {url});
    await loaded;
    await this.waitFor("typeof Zerdo !== 'undefined' && Zerdo.ready === true", 'the game to start');
  }

  // Waits until the game has run every event handed to it.
  // Waits until the game has run every event handed to it, or waits for
  // the player in a box or dialog.
  idle() {
    return this.waitFor("Zerdo.busy === 0 || !!document.querySelector('dialog[open]')", 'the game to be idle');
  }

  mouse(type, x, y) {
    return this.page('Input.dispatchMouseEvent', {type, x, y, button: 'left',
      buttons: type === 'mouseReleased' ? 0 : 1, clickCount: 1, pointerType: 'mouse'});
  }

  touch(type, x, y) {
    return this.page('Input.dispatchTouchEvent', {type, touchPoints: type === 'touchEnd' ? [] : [{x, y}]});
  }

  async click(x, y) {
    await this.mouse('mouseMoved', x, y);
    await this.mouse('mousePressed', x, y);
    await this.mouse('mouseReleased', x, y);
  }

  // Clicks the centre of the element with that id.
  async clickId(id) {
    const r = await this.eval(`(() => { const r = document.getElementById(${JSON.stringify(id)}).getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()`);
    await this.click(r[0], r[1]);
  }

  // modifiers: 1 Alt, 2 Ctrl, 4 Meta, 8 Shift, as the protocol counts them.
  async key(key, {code = key, keyCode = 0, text, modifiers = 0} = {}) {
    await this.page('Input.dispatchKeyEvent', {type: text ? 'keyDown' : 'rawKeyDown', key, code, windowsVirtualKeyCode: keyCode, text, modifiers});
    await this.page('Input.dispatchKeyEvent', {type: 'keyUp', key, code, windowsVirtualKeyCode: keyCode, modifiers});
  }

  close() {
    try { this.ws.close(); } catch (e) { /* already closed */ }
    this.proc.kill();
    setTimeout(() => { try { rmSync(this.profile, {recursive: true, force: true}); } catch (e) { /* left for the system */ } }, 500);
  }
}
