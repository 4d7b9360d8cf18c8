'use strict';
// Runs the real program's command line where no display exists, as a script over ssh would,
// and compares what it writes with the golden files byte for byte.
//
//   node check-cli.js ZELKOR_EXECUTABLE TEST_DATA_FOLDER
//
// The platform is set to xcb with no display to connect to: a program that reached for the
// window system would abort instead of exporting. Settings and data folders point into an empty
// temporary folder, which must stay empty: the command line writes no settings.

const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { Checks } = require('./zelk');

const [zelkor, data] = process.argv.slice(2);
const checks = new Checks('zelkor command line');
const home = fs.mkdtempSync(path.join(os.tmpdir(), 'zelkor-cli-'));
const output = path.join(home, 'out');
const config = path.join(home, 'config');
fs.mkdirSync(output);
fs.mkdirSync(config);

const env = { ...process.env, QT_QPA_PLATFORM: 'xcb', XDG_CONFIG_HOME: config,
    XDG_DATA_HOME: path.join(home, 'data') };
delete env.DISPLAY;
delete env.WAYLAND_DISPLAY;

const programFolder = path.dirname(zelkor);
const programFiles = ['_ult.zelk', '_ult.zelk.lock'];
const programFilesBefore = programFiles.map((name) => fs.existsSync(path.join(programFolder, name)));

function run(args) {
    return spawnSync(zelkor, args, { env, encoding: 'latin1', timeout: 20000 });
}

// One of each format; the core tests compare every golden file with the command line's output.
const cases = [
    ['export-qso.zelk', 'cabrillo', 'export-qso.cbr'],
    ['export-swl.zelk', 'adif', 'export-swl.adi'],
    ['export-qso.zelk', 'vantlog', 'export-qso.txt'],
];
for (const [log, format, golden] of cases) {
    const target = path.join(output, golden);
    const result = run(['--export', format, path.join(data, log), target]);
    checks.equal(result.status, 0, `${format} of ${log}: exit status (${result.stderr.trim()})`);
    const written = fs.existsSync(target) ? fs.readFileSync(target) : Buffer.alloc(0);
    checks.ok(written.equals(fs.readFileSync(path.join(data, golden))),
        `${format} of ${log} differs from ${golden}`);
}

const ignored = run(['--export', 'cabrillo', path.join(data, 'export-qso.zelk'),
    path.join(output, 'again.cbr')]);
checks.equal(ignored.stderr, ['6', '7', '8', '9']
    .map((n) => `Ignorato QSO n. ${n} per BANDA errata.\n`).join(''), 'wrong rows on stderr');

const score = run(['--score', path.join(data, 'export-swl.zelk')]);
checks.equal(score.status, 0, 'score: exit status');
checks.ok(score.stdout.endsWith(' PUNTEGGIO TOTALE = 32\n'), `score report: ${score.stdout}`);

const refused = run(['--export', 'vantlog', path.join(data, 'export-swl.zelk'),
    path.join(output, 'swl.txt')]);
checks.equal(refused.status, 1, 'Vantlog text of an SWL log: exit status');
checks.ok(!fs.existsSync(path.join(output, 'swl.txt')), 'Vantlog text of an SWL log was written');

const missing = run(['--score', path.join(output, 'manca.zelk')]);
checks.equal(missing.status, 1, 'missing log: exit status');

checks.equal(fs.readdirSync(config).join(' '), '', 'files in the settings folder');
checks.ok(!fs.existsSync(path.join(home, 'data')), 'a data folder was created');
programFiles.forEach((name, i) => {
    checks.ok(programFilesBefore[i] || !fs.existsSync(path.join(programFolder, name)),
        `${name} was created beside the program`);
});

fs.rmSync(home, { recursive: true, force: true });
checks.finish();
