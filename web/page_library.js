// The page's side of the program's console, linked in by Emscripten
// (--js-library); src/console/web/page_web.h declares these functions to the C++
// code. `Module.terminal` is the terminal the page gave this instance
// (session.js): it hands out typed bytes and shows written ones.

mergeInto(LibraryManager.library, {
  // Waits (Asyncify) for typed bytes; at most `capacity` of them are copied.
  zepiro_page_read: function (bytes, capacity) {
    return Asyncify.handleAsync(function () {
      return Module['terminal'].read(capacity).then(function (chunk) {
        HEAPU8.set(chunk, bytes);
        return chunk.length;
      });
    });
  },

  // -1 once the page takes no more: the program's output then fails.
  zepiro_page_write: function (stream, bytes, count) {
    return Module['terminal'].write(stream, HEAPU8.slice(bytes, bytes + count)) === false ? -1 : count;
  },

  // Tells the page what the program waits for, if the page asks to know:
  // `kind` is an InputKind of src/console/platform.h, numbered in this order.
  zepiro_page_expect: function (kind) {
    var terminal = Module['terminal'];
    if (typeof terminal.expect === 'function') {
      terminal.expect(['number', 'pair', 'name'][kind]);
    }
  },

  // The table itself is made when a name is first checked, not at start.
  zepiro_page_has_cp932: function () {
    try {
      new TextDecoder('shift_jis');
      return 1;
    } catch (e) {
      return 0;
    }
  },

  zepiro_page_convert__deps: ['$cp932'],
  zepiro_page_convert: function (input, count, output, capacity) {
    var made = cp932.encode(HEAPU8.subarray(input, input + count));
    if (made === null || made.length > capacity) {
      return -1;
    }
    HEAPU8.set(made, output);
    return made.length;
  },

  // CP932 from the browser's Shift_JIS decoder (WHATWG's, which is CP932).
  $cp932: {
    // The CP932 bytes of every character that has them, by code point; built
    // on first use.
    encodings: null,

    table: function () {
      if (cp932.encodings === null) {
        cp932.encodings = cp932.build();
      }
      return cp932.encodings;
    },

    // Every one- and two-byte code decoded once. Where several codes give one
    // character, the first is its form; rows ED and EE, NEC's selection of
    // IBM's extensions, which rows FA to FC hold again, are left out, as
    // WHATWG's encoder leaves them. Beyond the table, as the C library's CP932
    // on Linux has them: "¥" and "‾" are the bytes of "\" and "~", and seven
    // characters that other mappings of Shift_JIS (and some input methods)
    // give for CP932's own take their forms: "−" of "－", "〜" of "～", "—" of
    // "―", "‖" of "∥", "¢" of "￠", "£" of "￡", "¬" of "￢".
    build: function () {
      var decoder = new TextDecoder('shift_jis');
      var encodings = new Map();
      function add(bytes) {
        var text = decoder.decode(new Uint8Array(bytes));
        if (text.length === 1 && text !== '\ufffd' && !encodings.has(text.charCodeAt(0))) {
          encodings.set(text.charCodeAt(0), bytes);
        }
      }
      for (var single = 0; single < 0x100; ++single) {
        add([single]);
      }
      for (var lead = 0x81; lead <= 0xfc; ++lead) {
        if ((lead >= 0xa0 && lead < 0xe0) || lead === 0xed || lead === 0xee) {
          continue;
        }
        for (var trail = 0x40; trail <= 0xfc; ++trail) {
          if (trail !== 0x7f) {
            add([lead, trail]);
          }
        }
      }
      encodings.set(0xa5, [0x5c]);
      encodings.set(0x203e, [0x7e]);
      [[0x2212, 0xff0d], [0x301c, 0xff5e], [0x2014, 0x2015], [0x2016, 0x2225],
       [0xa2, 0xffe0], [0xa3, 0xffe1], [0xac, 0xffe2]].forEach(function (pair) {
        encodings.set(pair[0], encodings.get(pair[1]));
      });
      return encodings;
    },

    // UTF-8 bytes to CP932 ones; null if they are broken or a character has no
    // CP932 form.
    encode: function (utf8) {
      var text;
      try {
        text = new TextDecoder('utf-8', {fatal: true, ignoreBOM: true}).decode(utf8);
      } catch (e) {
        return null;
      }
      var encodings = cp932.table();
      var made = [];
      for (var i = 0; i < text.length; ++i) {
        var bytes = encodings.get(text.charCodeAt(i));
        if (bytes === undefined) {
          return null;  // also each half of a character beyond U+FFFF
        }
        made.push.apply(made, bytes);
      }
      return new Uint8Array(made);
    },
  },
});
