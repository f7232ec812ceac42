// Appended to the program's module (--post-js): starts the program with
// `args` after its name as its command line. Resolves with its exit status
// once it returns, however often it waited for input on the way.
Module['start'] = function (args) {
  var argv = [thisProgram].concat(args).map(function (arg) {
    return allocateUTF8(arg);
  });
  var table = _malloc(4 * (argv.length + 1));
  argv.concat([0]).forEach(function (pointer, i) {
    HEAP32[(table >> 2) + i] = pointer;
  });
  return ccall('main', 'number', ['number', 'number'], [argv.length, table], {async: true});
};

// The program's version, as --version writes it: the string that
// zepiro_version (src/console/web/page_rules_web.cpp) returns.
Module['version'] = function () {
  return UTF8ToString(_zepiro_version());
};
