import {describe, expect, it, vi} from 'vitest';
import {Session, kSessionLimits} from '../../web/src/session.js';
import {fakeProgram} from './fake_program.js';
import {kMostTypedBytes} from '../../web/src/session_description.js';

/**
 * @param {import('../../web/src/program.js').CreateProgram} program
 * @param {import('../../web/src/session.js').SessionLimits} [limits]
 */
function watched(program, replayed = '', limits = undefined) {
  const events = {started: vi.fn(), output: vi.fn(), idle: vi.fn(), ended: vi.fn(),
    unloaded: vi.fn(), refused: vi.fn(), limited: vi.fn(), replaying: vi.fn()};
  return {session: new Session(3, new TextEncoder().encode(replayed), events, program, limits),
    events};
}

describe('Session', () => {
  it('replays the lines it was given, then takes typed ones, echoing each', async () => {
    const {session, events} = watched(fakeProgram({capacity: 2}), 'ab\nゼ\n');
    await session.idle();
    expect(events.started).toHaveBeenCalledOnce();
    expect(session.transcript).toBe('>ab\nゼ\n');
    expect(events.output.mock.calls.filter(([, kind]) => kind === 'typed'))
      .toEqual([['ab\n', 'typed'], ['ゼ\n', 'typed']]);
    await session.send('c\rd');
    await session.idle();  // already idle: at once
    expect(session.transcript).toBe('>ab\nゼ\nc\rd\n');
    expect(new TextDecoder().decode(session.typedBytes())).toBe('ab\nゼ\nc\rd\n');
    expect(events.idle).toHaveBeenCalledTimes(2);
  });

  it('keeps standard error off the transcript and decodes what writes split', async () => {
    const {session, events} = watched(fakeProgram({onRead: (terminal, chunk) => {
      terminal.write(2, chunk.subarray(0, 1));
      terminal.write(2, chunk.subarray(1));
      return undefined;
    }}), 'ゼ\n');
    await session.idle();
    expect({transcript: session.transcript, first: events.output.mock.calls[0]}).toEqual(
      {transcript: '>', first: ['>', 'output']});
    expect(events.output.mock.calls.filter(([, kind]) => kind === 'error').map(([text]) => text)
      .join('')).toBe('ゼ\n');
  });

  it('ends once, with the status, and still answers afterwards', async () => {
    const {session, events} = watched(fakeProgram({onRead: () => 0}), '\n6');  // two lines
    await session.idle();
    await session.send('7');
    expect(events.ended.mock.calls).toEqual([[0]]);
    expect(session.ended).toBe(true);
    expect(session.typed).toHaveLength(2);
    const broken = watched(() => Promise.reject(new Error('no memory')));
    await broken.session.idle();
    expect({ended: broken.events.ended.mock.calls, unloaded: broken.events.unloaded.mock.calls})
      .toEqual({ended: [], unloaded: [[]]});
  });

  it('refuses a replay that writes too much, stops it, and settles every promise', async () => {
    const flood = new Uint8Array(kSessionLimits.replayOutput / 4 + 1).fill(0x41);
    const {session, events} = watched(fakeProgram({onRead: (terminal) => {
      terminal.write(1, flood);
      return undefined;
    }}), '1\n2\n3\n4\n5\n6\n');
    await Promise.all([session.idle(), session.send('7')]);
    expect(events.refused).toHaveBeenCalledOnce();
    expect(session.transcript.length).toBe(1 + 4 * flood.length);
    expect(events.ended).not.toHaveBeenCalled();
  });

  it('takes typed bytes up to what a link holds, and refuses a line that would pass it', async () => {
    const {session} = watched(fakeProgram({capacity: kMostTypedBytes}),
      `${'a'.repeat(kMostTypedBytes - 4)}\n`);
    await expect(session.send('ゼ')).rejects.toThrow(RangeError);  // 3 bytes and its line end
    await session.send('ab');
    expect(session.typedLength()).toBe(kMostTypedBytes);
    await expect(session.send('')).rejects.toThrow(RangeError);
  });

  it('once stopped, even before it began, ends its program\'s input and tells no more', async () => {
    /** @type {unknown[]} what the program's last read and write gave it */
    const seen = [];
    let exited = Promise.resolve(0);
    const program = fakeProgram({run: (terminal) => (exited = terminal.read(64).then((chunk) => {
      seen.push(chunk.length, terminal.write(1, new Uint8Array([0x41])));
      return 1;
    }))});
    const early = watched(program);
    early.session.stop();
    const {session, events} = watched(program);
    await session.idle();
    session.stop();
    await exited;
    await new Promise((resolve) => setTimeout(resolve));  // the session has seen it exit
    expect({earlyStarted: early.events.started.mock.calls.length, lastRead: seen[0],
      lastWrite: seen[1], ended: events.ended.mock.calls.length,
      output: events.output.mock.calls.length}).toEqual(
      {earlyStarted: 0, lastRead: 0, lastWrite: false, ended: 0, output: 0});
  });

  it('hands the page its thread back during a long replay, telling how far it has gone', async () => {
    const {session, events} = watched(fakeProgram({onRead: (terminal, chunk) => {
      for (const until = performance.now() + 2; performance.now() < until;);
      return void terminal.write(1, chunk);
    }}), 'a\n'.repeat(60));
    let ticks = 0;
    const timer = setInterval(() => ++ticks, 1);
    await session.idle();
    clearInterval(timer);
    expect({ticks: ticks > 0, progress: events.replaying.mock.calls.at(-1)}).toEqual(
      {ticks: true, progress: [120, 120]});
  });

  it('holds the transcript to its limit, and the replay\'s output alone to its own', async () => {
    const {session, events} = watched(fakeProgram(), '', {replayOutput: 0, transcript: 4});
    await session.send('abc');
    expect(events.limited.mock.calls).toEqual([['画面の記録の上限（4文字）']]);
    expect(session).toMatchObject({ended: true, transcript: '>'});
    const full = watched(fakeProgram(), 'abc\n', {replayOutput: 5, transcript: 8});
    await full.session.idle();
    await full.session.send('de');
    expect(full.session).toMatchObject({ended: false, transcript: '>abc\nde\n'});
    expect(full.events.refused).not.toHaveBeenCalled();
  });
});
