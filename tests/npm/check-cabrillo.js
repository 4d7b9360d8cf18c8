'use strict';
// Reads a Cabrillo export back with the npm "cabrillo" package and compares the header and the
// QSO lines with the log they came from.
//
//   node check-cabrillo.js EXPORT.cbr LOG.zelk
//
// The package cuts a QSO line at the columns of the common Cabrillo template, which agree with
// the contest's layout up to the sent report (column 47): frequency, mode, date, time, sent call
// (13 of its 14 columns) and sent report (3 of 4). The contest's report slot is 4 wide and its
// exchange 5, so from there on the template's cuts fall beside the contest's fields; those are
// read as the blank-separated words of the line, as Cabrillo readers also do, wherever the
// fields are short enough to leave a blank between them.

const fs = require('fs');
const { readZelk, requireReader, Checks } = require('./zelk');

const [cbrPath, zelkPath] = process.argv.slice(2);
const { cabrilloToObject } = requireReader('cabrillo');

const log = readZelk(zelkPath);
const bytes = fs.readFileSync(cbrPath, 'latin1');
const checks = new Checks(cbrPath);

const FREQUENCIES = { '1,8': '1800', '3,5': '3500', '7': '7000', '14': '14000', '21': '21000',
    '28': '28000' };
const MODES = { SSB: 'PH', CW: 'CW' };

checks.ok(bytes.endsWith('END-OF-LOG: \r\n'), 'the file does not end with "END-OF-LOG: " CR LF');
checks.ok(!/[^\r]\n/.test(bytes), 'a line ends without CR');
// The package splits lines at LF alone.
const cabrillo = cabrilloToObject(bytes.split('\r\n').join('\n'));

const summary = log.summary;
checks.equal(cabrillo['CABRILLO-VERSION'], '2.0', 'START-OF-LOG');
checks.equal(cabrillo['CREATED-BY'], 'ZELKOR v1.0', 'CREATED-BY');
checks.equal(cabrillo.CONTEST, '40/80 METRI', 'CONTEST');
checks.equal(cabrillo.CALLSIGN, summary.callsign, 'CALLSIGN');
checks.equal(cabrillo.CATEGORY, summary.category, 'CATEGORY');
checks.equal(cabrillo.OPERATORS, summary.operators, 'OPERATORS');
checks.equal(cabrillo.NAME, summary.name, 'NAME');
checks.ok(/^-?[0-9]+$/.test(cabrillo['CLAIMED-SCORE']), 'CLAIMED-SCORE is no plain number');
// The package joins the ADDRESS lines into one text.
const address = [summary.address1, summary.address2, summary.address3].join('');
checks.equal(cabrillo.ADDRESS, address === '' ? undefined : address, 'ADDRESS');
const soapbox = [`Prov. ${summary.province} - Sezione ${summary.section}`, summary.comment1,
    summary.comment2].filter((line) => line !== '');
checks.equal(JSON.stringify((cabrillo.SOAPBOX ?? []).map((item) => item.SOAPBOX)),
    JSON.stringify(soapbox), 'SOAPBOX lines');

const qsos = cabrillo.QSO ?? [];
checks.equal(qsos.length, log.rows.length, 'QSO lines');
const qsoLines = bytes.split('\r\n').filter((line) => line.startsWith('QSO:'));
qsos.forEach((qso, i) => {
    const row = log.rows[i];
    const sentCall = log.swl ? row.call : summary.callsign;
    const what = (field) => `QSO ${i + 1} ${field}`;
    checks.equal(qso.freq, FREQUENCIES[row.band] ?? (row.band.includes(',') ? '3500' : '7000'),
        what('freq'));
    checks.equal(qso.mo, MODES[row.mode] ?? 'RY', what('mode'));
    checks.equal(qso.date, `${row.date.slice(6)}-${row.date.slice(3, 5)}-${row.date.slice(0, 2)}`,
        what('date'));
    checks.equal(qso.time, row.time, what('time'));
    if (sentCall.length <= 13) {
        checks.equal(qso.sentcall, sentCall, what('sent call'));
    }
    if (row.rstSent.length <= 3) {
        checks.equal(qso.sentrst, row.rstSent, what('sent report'));
    }

    const fromReport = log.swl ? [row.rstSent, row.province, row.call2]
        : [row.rstSent, summary.province, row.call, row.rstRcvd, row.province];
    const separated = fromReport.every((field) => field !== '') && row.rstSent.length <= 3 &&
        (log.swl || row.call.length <= 13);
    if (separated) {
        const words = qsoLines[i].trim().split(/ +/).slice(6);
        checks.equal(words.join(' '), fromReport.join(' '), what('words from the sent report on'));
    }
});

checks.finish();
