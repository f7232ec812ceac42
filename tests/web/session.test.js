import {describe, expect, it, vi} from 'vitest';
import {Session, kMostReplayOutput} from '../../web/src/session.js';
import {fakeProgram} from './fake_program.js';

/** @param {import('../../web/src/program.js').CreateProgram} program */
function watched(program, replayed = /** @type {string[]} */ ([])) {
  const events = {started: vi.fn(), output: vi.fn(), idle: vi.fn(), ended: vi.fn(), refused: vi.fn()};
  return {session: new Session(3, replayed, events, program), events};
}

describe('Session', () => {
  it('replays the lines it was given, then takes typed ones, echoing each', async () => {
    const {session, events} = watched(fakeProgram({capacity: 2}), ['ab', 'ゼ']);
    await session.idle();
    expect(events.started).toHaveBeenCalledOnce();
    expect(session.transcript).toBe('>ab\nゼ\n');
    expect(events.output.mock.calls.filter(([, kind]) => kind === 'typed'))
      .toEqual([['ab\n', 'typed'], ['ゼ\n', 'typed']]);
    await session.send('c\r\nd');
    expect(session.transcript).toBe('>ab\nゼ\ncd\n');
    expect(new TextDecoder().decode(session.typedBytes())).toBe('ab\nゼ\ncd\n');
    expect(events.idle).toHaveBeenCalledTimes(2);
  });

  it('keeps standard error off the transcript and decodes what writes split', async () => {
    const {session, events} = watched(fakeProgram({onRead: (page, chunk) => {
      page.write(2, chunk.subarray(0, 1));
      page.write(2, chunk.subarray(1));
      return undefined;
    }}), ['ゼ']);
    await session.idle();
    expect(session.transcript).toBe('>');
    expect(events.output.mock.calls.filter(([, kind]) => kind === 'error').map(([text]) => text)
      .join('')).toBe('ゼ\n');
  });

  it('ends once, with the status, and still answers afterwards', async () => {
    const {session, events} = watched(fakeProgram({onRead: () => 0}), ['5', '6']);
    await session.idle();
    await session.send('7');
    expect(events.ended.mock.calls).toEqual([[0]]);
    expect(session.ended).toBe(true);
    expect(session.typed).toHaveLength(2);
    const broken = watched(() => Promise.reject(new Error('no memory')));
    await broken.session.idle();
    expect(broken.events.ended.mock.calls).toEqual([[null]]);
  });

  it('refuses a replay that writes too much, and reads and writes nothing more', async () => {
    const flood = new Uint8Array(kMostReplayOutput / 4 + 1).fill(0x41);
    const {session, events} = watched(fakeProgram({onRead: (page) => {
      page.write(1, flood);
      return undefined;
    }}), ['1', '2', '3', '4', '5', '6']);
    await session.idle();
    expect(events.refused).toHaveBeenCalledOnce();
    expect(session.ended).toBe(true);
    expect(session.transcript.length).toBe(1 + 4 * flood.length);
    expect(events.ended).not.toHaveBeenCalled();
  });

  it('lets typed lines write without limit once the replay is over', async () => {
    const flood = new Uint8Array(kMostReplayOutput + 1).fill(0x41);
    const {session, events} = watched(fakeProgram({onRead: (page) => {
      page.write(1, flood);
      return undefined;
    }}), []);
    await session.idle();
    await session.send('1');
    expect(events.refused).not.toHaveBeenCalled();
  });
});
