// The WebAssembly runner's file system under node: the real folders, each
// top-level one mounted where it is, and a folder in memory as TMPDIR, so
// the private copy of a script's program folder lives in memory. Node's file
// calls cost ten times the copying itself; only the sources and the scripts
// are read from disk.
// Standard output and error go to the process's own descriptors, in one
// call per 64 KiB instead of one per line.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  var knotenFs = require('fs');
  var speicher = '/speicher';
  var ohne = ['proc', 'sys', 'dev'];
  knotenFs.readdirSync('/').forEach(function (name) {
    var pfad = '/' + name;
    if (ohne.indexOf(name) >= 0 || pfad === speicher) {
      return;
    }
    var art;
    try {
      art = knotenFs.lstatSync(pfad);
    } catch (e) {
      return;
    }
    if (art.isSymbolicLink()) {
      FS.symlink(knotenFs.readlinkSync(pfad), pfad);
    } else if (art.isDirectory()) {
      if (!FS.analyzePath(pfad).exists) {
        FS.mkdir(pfad);
      }
      FS.mount(NODEFS, { root: pfad }, pfad);
    }
  });
  // A link's target as the disk holds it: the mounts keep every path as it
  // is, while the mount's own reading makes it relative to the mount.
  NODEFS.node_ops.readlink = function (knoten) {
    if (!FS.isLink(knoten.mode)) {
      throw new FS.ErrnoError(28); // EINVAL, without asking the disk
    }
    try {
      return knotenFs.readlinkSync(NODEFS.realPath(knoten));
    } catch (e) {
      if (!e.code) throw e;
      throw new FS.ErrnoError(NODEFS.convertNodeCode(e));
    }
  };
  // The runner looks for its data beside its program, which is node's.
  FS.symlink(process.execPath, '/proc/self/exe');
  FS.mkdir(speicher);
  ENV['TMPDIR'] = speicher;
  FS.chdir(process.cwd());
  // The native runner runs as root, which reads and writes whatever the
  // permissions say; the memory folder has no owners, so it does the same.
  if (process.getuid && process.getuid() === 0) {
    FS.nodePermissions = function () {
      return 0;
    };
  }
  addOnPreMain(Standardausgaben);
});

function Standardausgaben() {
  var knotenFs = require('fs');
  var puffer = Buffer.alloc(65536);
  var belegt = 0;
  // One write; a pipe node made non-blocking is waited for.
  function Schreibe(fd, daten, ab, laenge) {
    for (;;) {
      try {
        return knotenFs.writeSync(fd, daten, ab, laenge);
      } catch (e) {
        if (e.code !== 'EAGAIN') {
          throw e.code ? new FS.ErrnoError(ERRNO_CODES[e.code]) : e;
        }
      }
    }
  }
  // Output nobody reads any more (a closed pipe) is dropped.
  function Leeren() {
    try {
      for (var ab = 0; ab < belegt; ) {
        ab += Schreibe(1, puffer, ab, belegt - ab);
      }
    } catch (e) {
      if (!(e instanceof FS.ErrnoError)) throw e;
    }
    belegt = 0;
  }
  function Aus(strom, daten, ab, laenge) {
    if (belegt + laenge > puffer.length) {
      Leeren();
    }
    if (laenge > puffer.length) {
      return Schreibe(1, daten, ab, laenge);
    }
    puffer.set(daten.subarray(ab, ab + laenge), belegt);
    belegt += laenge;
    return laenge;
  }
  function Fehler(strom, daten, ab, laenge) {
    Leeren();
    return Schreibe(2, daten, ab, laenge);
  }
  function Strom(fd, schreiben) {
    var alt = FS.streams[fd].stream_ops;
    FS.streams[fd].stream_ops = Object.assign({}, alt, {
      write: schreiben,
      close: function (strom) {
        Leeren();
        if (alt.close) alt.close(strom);
      },
    });
  }
  Strom(1, Aus);
  Strom(2, Fehler);
  process.on('exit', Leeren);
}
