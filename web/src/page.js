'use strict';

// The page: one session at a time on the screen, the input line below it,
// the buttons to share, copy and save, the session kept on the device, and
// window.zepiro for automation.

const kStorageKey = 'zepiro.session';
// The widest screen is about 80 cells; a cell is never narrower than this
// (characters of at least 8 pixels) nor wider.
const kScreenCells = 80;
const kNarrowestCell = 4;
const kWidestCell = 10;

const page = {
  screen: new ScreenView(document.getElementById('screen')),
  line: document.getElementById('line'),
  notice: document.getElementById('notice'),
  session: null,
};

function say(text, action) {
  page.notice.replaceChildren(text);
  if (action !== undefined) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = action.label;
    button.addEventListener('click', action.run);
    page.notice.append(' ', button);
  }
  page.notice.hidden = false;
}

function randomSeed() {
  return crypto.getRandomValues(new Uint32Array(1))[0];
}

function remember(session) {
  try {
    if (session.ended) {
      localStorage.removeItem(kStorageKey);
    } else if (session.typed.length > 0) {
      localStorage.setItem(kStorageKey, describeSession(session.seed, session.typedBytes()));
    }
  } catch (e) {
    // A browser that keeps nothing (storage off or full) still runs the page.
  }
}

function remembered() {
  try {
    return readSession(localStorage.getItem(kStorageKey) || '');
  } catch (e) {
    return null;
  }
}

// Starts a session; `replayed` lines are typed into it at once.
function start(seed, replayed) {
  page.screen = new ScreenView(page.screen.element);
  page.screen.show();
  document.getElementById('seed').textContent = String(seed);
  page.line.disabled = false;
  const session = new Session(seed, replayed, {
    output: (text, kind) => page.session === session && page.screen.add(text, kind),
    idle: () => page.session === session && idle(session),
    ended: (status) => page.session === session && ended(status),
    refused: () => page.session === session && refuseLink(),
  });
  page.session = session;
}

function startNew() {
  page.notice.hidden = true;
  start(randomSeed(), []);
}

function idle(session) {
  remember(session);
  showScreen();
}

// A new screen is shown from its top; more text on the same screen, as a
// terminal shows it, at the bottom. The input line stays in view below.
function showScreen() {
  window.scrollTo(0, page.screen.show() ? 0 : document.body.scrollHeight);
}

function ended(status) {
  showScreen();
  remember(page.session);
  page.line.disabled = true;
  const newSession = {label: '新しく始める', run: startNew};
  if (status === 0) {
    say('終了しました。', newSession);
  } else if (status === null) {
    say('プログラムが異常終了しました。', newSession);
  } else {
    say(`プログラムが終了しました（終了コード ${status}）。`, newSession);
  }
}

function refuseLink() {
  say('リンクを読めませんでした（壊れているか、長すぎます）。新しいセッションを始めました。');
  start(randomSeed(), []);
}

// Opens the session a link's fragment describes, if it has one.
function openFragment() {
  const fragment = location.hash.slice(1);
  if (fragment === '') {
    return false;
  }
  history.replaceState(null, '', location.pathname + location.search);
  const shared = readSession(fragment);
  if (shared === null) {
    refuseLink();
  } else {
    page.notice.hidden = true;
    start(shared.seed, shared.lines);
  }
  return true;
}

function shareLink() {
  const base = location.href.replace(/#.*$/, '');
  return `${base}#${describeSession(page.session.seed, page.session.typedBytes())}`;
}

async function copyText(text, done) {
  try {
    await navigator.clipboard.writeText(text);
  } catch (e) {
    const area = document.createElement('textarea');
    area.value = text;
    document.body.append(area);
    area.select();
    const copied = document.execCommand('copy');
    area.remove();
    if (!copied) {
      say('コピーできませんでした。');
      return;
    }
  }
  say(done);
}

function withResult(use) {
  const lines = lastResult(page.session.transcript);
  if (lines === null) {
    say('まだ抽選結果も集計結果もありません。');
  } else {
    use(lines);
  }
}

async function savePicture(lines) {
  const font = getComputedStyle(page.screen.element).fontFamily;
  const picture = await pictureOf(lines, font);
  if (picture === null) {
    say('結果が長すぎて画像にできません。');
    return;
  }
  const link = document.createElement('a');
  link.href = URL.createObjectURL(picture);
  link.download = `zepiro-${page.session.seed}.png`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

function fitCells() {
  const width = page.screen.element.clientWidth;
  const cell = Math.min(kWidestCell, Math.max(kNarrowestCell, width / kScreenCells));
  // In 64ths of a pixel, as browsers lay out, so that no cell's edge is rounded.
  document.documentElement.style.setProperty('--cell', `${Math.floor(cell * 64) / 64}px`);
}

function sendLine() {
  if (page.session.ended) {
    return;
  }
  const text = page.line.value;
  page.line.value = '';
  page.session.send(text);
}

page.line.addEventListener('keydown', (event) => {
  // The Enter that ends an input method's composition is the method's own.
  if (event.key === 'Enter' && !event.isComposing && event.keyCode !== 229) {
    event.preventDefault();
    sendLine();
  }
});
document.getElementById('send').addEventListener('click', () => {
  sendLine();
  page.line.focus();
});
document.getElementById('share').addEventListener('click',
  () => copyText(shareLink(), 'このセッションのリンクをコピーしました。'));
document.getElementById('copy').addEventListener('click',
  () => withResult((lines) => copyText(lines.join('\n') + '\n', '結果をコピーしました。')));
document.getElementById('picture').addEventListener('click', () => withResult(savePicture));
document.getElementById('new').addEventListener('click', startNew);
window.addEventListener('hashchange', openFragment);
window.addEventListener('resize', fitCells);

window.zepiro = {
  transcript: () => page.session.transcript,
  type: (line) => page.session.send(String(line)),
  idle: () => page.session.idle(),
  get seed() {
    return page.session.seed;
  },
  get ended() {
    return page.session.ended;
  },
  shareLink,
};

fitCells();
if (!openFragment()) {
  const last = remembered();
  startNew();
  if (last !== null) {
    say(`前回のセッション（シード ${last.seed}）の続きから始められます。`,
      {label: '続きから', run: () => {
        page.notice.hidden = true;
        start(last.seed, last.lines);
      }});
  }
}
page.line.focus();
