import {beforeEach, expect, it} from 'vitest';
import {KeptSessions} from '../../web/src/storage.js';

const session = (/** @type {string} */ typed) =>
  ({seed: 9, typed: new TextEncoder().encode(typed), version: '2.2.0'});
const typedIn = (/** @type {KeptSessions} */ store) =>
  store.list().kept.map((kept) => new TextDecoder().decode(kept.session.typed));

beforeEach(() => localStorage.clear());

it('takes up the session kept before folders; tabs going on with one never lose each other\'s', () => {
  localStorage.setItem('zepiro.session', 'seed=9&typed=MAo');  // "0\n", as the page kept it before
  const store = new KeptSessions('/a/index.html');
  const [old] = store.list().kept;
  expect([old.session, old.typedAt, localStorage.length]).toEqual([session('0\n'), 0, 1]);
  const [mine, theirs, ended] = [store.take(old), store.take(old), store.take(old)];
  store.keep(mine, session('0\n1\n'));
  store.keep(theirs, session('0\n2\n'));  // the entry is mine now: theirs gets its own
  store.keep(mine, session('0\n1\n3\n'));
  store.letGo(ended);  // ended without writing: the entry is mine since
  expect(typedIn(store).sort()).toEqual(['0\n1\n3\n', '0\n2\n']);
  store.letGo(mine);
  expect([typedIn(store), typedIn(new KeptSessions('/b/'))]).toEqual([['0\n2\n'], []]);
});
