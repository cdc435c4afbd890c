// The WebAssembly runner's file system under node: the real folders, each
// top-level one mounted where it is, and a folder in memory as TMPDIR, so
// the private copy of a script's program folder lives in memory. One of
// node's file calls costs more than copying a whole table in memory; the
// program folders and the scripts are read from disk, each file once.
// Standard output and error go to the process's own descriptors, in one
// call per 64 KiB instead of one per line.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  var speicher = '/speicher';
  Echte_Ordner_einhaengen([speicher, '/proc', '/sys', '/dev']);
  Verweise_wie_auf_der_Platte();
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

// Each top-level folder of the disk at its own path, and each top-level link
// as it is, except those named.
function Echte_Ordner_einhaengen(ausser) {
  var knotenFs = require('fs');
  knotenFs.readdirSync('/').forEach(function (name) {
    var pfad = '/' + name;
    var art;
    try {
      art = ausser.indexOf(pfad) < 0 ? knotenFs.lstatSync(pfad) : null;
    } catch (e) {
      art = null;
    }
    if (art && art.isSymbolicLink()) {
      FS.symlink(knotenFs.readlinkSync(pfad), pfad);
    } else if (art && art.isDirectory()) {
      if (!FS.analyzePath(pfad).exists) {
        FS.mkdir(pfad);
      }
      FS.mount(NODEFS, { root: pfad }, pfad);
    }
  });
}

// A link's target as the disk holds it: the mounts keep every path as it is,
// while the mount's own reading makes it relative to the mount.
function Verweise_wie_auf_der_Platte() {
  NODEFS.node_ops.readlink = function (knoten) {
    if (!FS.isLink(knoten.mode)) {
      throw new FS.ErrnoError(28); // EINVAL, without asking the disk
    }
    try {
      return require('fs').readlinkSync(NODEFS.realPath(knoten));
    } catch (e) {
      if (!e.code) throw e;
      throw new FS.ErrnoError(NODEFS.convertNodeCode(e));
    }
  };
}

// Standard output collected here, written when full, before anything on
// standard error, and when the stream is closed or node exits.
var Ausgabe = { puffer: null, belegt: 0 };

function Standardausgaben() {
  Ausgabe.puffer = Buffer.alloc(65536);
  Strom_umlenken(1, Ausgabe_sammeln);
  Strom_umlenken(2, Fehler_schreiben);
  process.on('exit', Ausgabe_leeren);
}

function Strom_umlenken(fd, schreiben) {
  var alt = FS.streams[fd].stream_ops;
  FS.streams[fd].stream_ops = Object.assign({}, alt, {
    write: schreiben,
    close: function (strom) {
      Ausgabe_leeren();
      if (alt.close) alt.close(strom);
    },
  });
}

// One write; a pipe node made non-blocking is waited for.
function Schreibe(fd, daten, ab, laenge) {
  for (;;) {
    try {
      return require('fs').writeSync(fd, daten, ab, laenge);
    } catch (e) {
      if (e.code !== 'EAGAIN') {
        throw e.code ? new FS.ErrnoError(ERRNO_CODES[e.code]) : e;
      }
    }
  }
}

// Output nobody reads any more (a closed pipe) is dropped.
function Ausgabe_leeren() {
  try {
    for (var ab = 0; ab < Ausgabe.belegt; ) {
      ab += Schreibe(1, Ausgabe.puffer, ab, Ausgabe.belegt - ab);
    }
  } catch (e) {
    if (!(e instanceof FS.ErrnoError)) throw e;
  }
  Ausgabe.belegt = 0;
}

function Ausgabe_sammeln(strom, daten, ab, laenge) {
  if (Ausgabe.belegt + laenge > Ausgabe.puffer.length) {
    Ausgabe_leeren();
  }
  if (laenge > Ausgabe.puffer.length) {
    return Schreibe(1, daten, ab, laenge);
  }
  Ausgabe.puffer.set(daten.subarray(ab, ab + laenge), Ausgabe.belegt);
  Ausgabe.belegt += laenge;
  return laenge;
}

function Fehler_schreiben(strom, daten, ab, laenge) {
  Ausgabe_leeren();
  return Schreibe(2, daten, ab, laenge);
}

// A folder on disk copied into the memory folder in one call (see
// szenario/speicherordner.h). The runner's copy follows links to files and
// makes a linked folder an empty one, as the runner's copy file by file does.
// What was read is kept and read again when its size, time or inode changed.
var Gelesene_Dateien = {};

function Dateiinhalt(pfad, art) {
  var alt = Gelesene_Dateien[pfad];
  if (!alt || alt.mtimeMs !== art.mtimeMs || alt.size !== art.size || alt.ino !== art.ino) {
    var bytes = require('fs').readFileSync(pfad);
    alt = { mtimeMs: art.mtimeMs, size: art.size, ino: art.ino, bytes: bytes };
    Gelesene_Dateien[pfad] = alt;
  }
  return alt.bytes;
}

// The folder's entries, with the bytes of each file and the entries of each
// folder within.
function Ordner_lesen(pfad) {
  var knotenFs = require('fs');
  return knotenFs.readdirSync(pfad, { withFileTypes: true }).map(function (eintrag) {
    var voll = pfad + '/' + eintrag.name;
    var art;
    try {
      art = knotenFs.statSync(voll);
    } catch (e) {
      if (e.code === 'ENOENT' && eintrag.isSymbolicLink()) return null; // a dangling link
      throw e;
    }
    if (art.isDirectory()) {
      return { name: eintrag.name, unter: eintrag.isSymbolicLink() ? [] : Ordner_lesen(voll) };
    }
    return art.isFile() ? { name: eintrag.name, bytes: Dateiinhalt(voll, art) } : null;
  });
}

function Ordner_anlegen(eltern, name, eintraege) {
  var ordner = MEMFS.node_ops.mknod(eltern, name, 16384 | 511, 0);
  eintraege.forEach(function (e) {
    if (e && e.unter) {
      Ordner_anlegen(ordner, e.name, e.unter);
    } else if (e) {
      var datei = MEMFS.node_ops.mknod(ordner, e.name, 32768 | 438, 0);
      datei.contents = new Uint8Array(e.bytes);
      datei.usedBytes = e.bytes.length;
    }
  });
}

Module['pelmarkKopiere'] = function (quelle, ziel) {
  try {
    var von = FS.lookupPath(quelle, { follow: true }).node;
    var nach = FS.analyzePath(ziel);
    if (von.mount.type !== NODEFS || !FS.isDir(von.mode) || nach.exists || !nach.parentExists ||
        nach.parentObject.mount.type !== MEMFS) {
      return 0;
    }
    Ordner_anlegen(nach.parentObject, nach.name, Ordner_lesen(NODEFS.realPath(von)));
    return 1;
  } catch (e) {
    return 0;
  }
};

// A folder in memory removed with all it holds; the permissions do not
// matter, as for the native runner, which runs as root.
function Knoten_entfernen(eltern, knoten) {
  if (FS.isDir(knoten.mode)) {
    Object.keys(knoten.contents).forEach(function (name) {
      Knoten_entfernen(knoten, knoten.contents[name]);
    });
  }
  delete eltern.contents[knoten.name];
  FS.destroyNode(knoten);
}

Module['pelmarkEntferne'] = function (ordner) {
  try {
    var knoten = FS.lookupPath(ordner).node;
    if (knoten.mount.type !== MEMFS || !FS.isDir(knoten.mode) || knoten === knoten.mount.root) {
      return 0;
    }
    Knoten_entfernen(knoten.parent, knoten);
    knoten.parent.timestamp = Date.now();
    return 1;
  } catch (e) {
    return 0;
  }
};
