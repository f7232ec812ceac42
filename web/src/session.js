'use strict';

// One run of the program in its own module instance (createZepiro, from
// zepiro.js): the seed it was started with, the lines typed into it, and
// everything it wrote.

// A replayed session that writes more than this is refused: a link with a
// few thousand redraws of the largest draw is no session anyone played.
const kMostReplayOutput = 32 * 1024 * 1024;

class Session {
  // `replayed`: lines typed before, sent at once. `events`: output(text,
  // kind) for what the screen shows, idle() when the program waits with
  // nothing left to read, ended(status) with the exit status (null if the
  // program broke down), refused() when a replay wrote too much.
  constructor(seed, replayed, events) {
    this.seed = seed;
    this.events = events;
    this.typed = [];  // UTF-8 bytes of each line sent, its line end included
    this.queue = [];  // lines sent but not yet taken
    this.current = new Uint8Array(0);  // the rest of the line being read
    this.reader = null;  // resolves the read that waits for a line
    this.idleWaiters = [];
    this.transcript = '';
    this.decoders = {1: new TextDecoder(), 2: new TextDecoder()};
    this.ended = false;
    this.status = null;
    this.replaying = replayed.length > 0;
    replayed.forEach((line) => this.send(line));
    createZepiro({page: this, print: () => {}, printErr: () => {}, onAbort: () => this.end(null)})
      .then((module) => module.start([`--seed=${seed}`]))
      .then((status) => this.end(status), () => this.end(null));
  }

  // Resolves once the program waits with nothing left to read, or has ended.
  idle() {
    return new Promise((resolve) => {
      if (this.ended || (this.reader !== null && this.queue.length === 0)) {
        resolve();
      } else {
        this.idleWaiters.push(resolve);
      }
    });
  }

  // Sends a line as if typed and entered; resolves as idle() does.
  send(line) {
    if (this.ended) {
      return this.idle();
    }
    const bytes = new TextEncoder().encode(line.replace(/[\r\n]/g, '') + '\n');
    this.typed.push(bytes);
    this.queue.push(bytes);
    if (this.reader !== null) {
      const reader = this.reader;
      this.reader = null;
      reader();
    }
    return this.idle();
  }

  typedBytes() {
    const all = new Uint8Array(this.typed.reduce((sum, line) => sum + line.length, 0));
    let at = 0;
    for (const line of this.typed) {
      all.set(line, at);
      at += line.length;
    }
    return all;
  }

  // Called by the program (page_library.js): up to `capacity` typed bytes,
  // once there are some. A line taken is echoed on the screen.
  async read(capacity) {
    while (this.current.length === 0) {
      if (this.ended) {
        await new Promise(() => {});  // a refused replay reads nothing more
      }
      if (this.queue.length > 0) {
        this.current = this.queue.shift();
        this.events.output(new TextDecoder().decode(this.current), 'typed');
      } else {
        this.replaying = false;
        this.wake();
        await new Promise((resolve) => { this.reader = resolve; });
      }
    }
    const chunk = this.current.subarray(0, capacity);
    this.current = this.current.subarray(chunk.length);
    return chunk;
  }

  // Called by the program: bytes written to standard output (1) or error (2).
  write(stream, bytes) {
    if (this.ended) {
      return;
    }
    const text = this.decoders[stream].decode(bytes, {stream: true});
    if (stream === 1) {
      this.transcript += text;
    }
    this.events.output(text, stream === 1 ? 'output' : 'error');
    if (this.replaying && this.transcript.length > kMostReplayOutput) {
      this.ended = true;  // every later read and write of this instance is ignored
      this.queue = [];
      this.events.refused();
    }
  }

  end(status) {
    if (this.ended) {
      return;
    }
    this.ended = true;
    this.status = status;
    this.events.ended(status);
    this.wake();
  }

  wake() {
    this.events.idle();
    this.idleWaiters.splice(0).forEach((resolve) => resolve());
  }
}
