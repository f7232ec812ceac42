import {describe, expect, it} from 'vitest';
import {describeSession, fromBase64Url, kMostTypedBytes, readSession, toBase64Url}
  from '../../web/src/session_description.js';

const bytes = (/** @type {string} */ text) => new TextEncoder().encode(text);

describe('session descriptions', () => {
  it('write base64url without padding, and read back exactly what they wrote', () => {
    const awkward = Uint8Array.of(0xfb, 0xff, 0xbf, 0xfb);  // "+" and "/" in plain base64
    expect(toBase64Url(awkward)).toBe('-_-_-w');
    expect(fromBase64Url('-_-_-w')).toEqual(awkward);
    for (const text of ['AAAAA', '!AAA', 'AAA!']) {
      expect(fromBase64Url(text), text).toBeNull();
    }
    const typed = bytes('\ufeff0\r\n3 2\nゼピロ　ミナ ｱｲｳ\n2\n');
    const session = {seed: 4242, typed, version: '2.10.0-rc.1+a'};
    expect(readSession(describeSession(session))).toEqual(session);
    expect(readSession('seed=0&typed=')).toEqual(  // made before links named a version
      {seed: 0, typed: new Uint8Array(0), version: '2.2.0'});
  });

  it('refuse anything but the form they write', () => {
    const typed = (/** @type {string} */ text) => `seed=1&typed=${toBase64Url(bytes(text))}`;
    for (const description of [
      'seed=01&typed=', 'seed=-1&typed=', 'seed=1&typed=MQo=', 'seed=1&typed=MQ+K',
      'seed=1&typed=MQo&x=1', 'typed=MQo&seed=1', 'seed=1&typed=MQp', 'xseed=1&typed=',
      'seed=1&typed=AAAAA', 'seed=1&typed=&version=', 'seed=1&typed=&version=2 2',
      'seed=1&version=2&typed=',  // not the form written
      typed('1'), `seed=1&typed=${toBase64Url(Uint8Array.of(0xff, 0x0a))}`,  // no line end, no UTF-8
      typed('1\n'.repeat(kMostTypedBytes / 2 + 1)),
    ]) {
      expect(readSession(description), description.slice(0, 30)).toBeNull();
    }
    expect(readSession(typed('1\n'.repeat(kMostTypedBytes / 2)))?.typed).toHaveLength(
      kMostTypedBytes);
  });
});
