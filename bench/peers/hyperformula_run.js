// Runs one workload on HyperFormula: reads a CSV, builds the sheet (which computes every
// formula), writes the values as CSV.  With an edit (CELL VALUE), also changes that cell after
// the build and reports the time the change took, in process, on stderr as JSON.
//   node hyperformula_run.js IN.csv OUT.csv [--column-index] [--edit COL ROW VALUE]
const fs = require('fs');
const { HyperFormula } = require('hyperformula');

function parseCsv(text) {
  const rows = [];
  let row = [], field = '', i = 0, quoted = false;
  while (i < text.length) {
    const c = text[i];
    if (quoted) {
      if (c === '"') {
        if (text[i + 1] === '"') { field += '"'; i += 2; continue; }
        quoted = false; i++; continue;
      }
      field += c; i++; continue;
    }
    if (c === '"') { quoted = true; i++; continue; }
    if (c === ',') { row.push(field); field = ''; i++; continue; }
    if (c === '\r') { i++; continue; }
    if (c === '\n') { row.push(field); rows.push(row); row = []; field = ''; i++; continue; }
    field += c; i++;
  }
  if (field !== '' || row.length) { row.push(field); rows.push(row); }
  return rows.map(r => r.map(f => (f !== '' && !isNaN(Number(f)) ? Number(f) : (f === '' ? null : f))));
}

function csvField(v) {
  if (v === null || v === undefined) return '';
  if (typeof v === 'object') return v.value || '#ERROR';
  const s = String(v);
  return /[",\n]/.test(s) ? '"' + s.replace(/"/g, '""') + '"' : s;
}

const args = process.argv.slice(2);
const [input, output] = args;
const columnIndex = args.includes('--column-index');
const editAt = args.indexOf('--edit');
const data = parseCsv(fs.readFileSync(input, 'latin1'));
const hf = HyperFormula.buildFromArray(data, { licenseKey: 'gpl-v3', useColumnIndex: columnIndex,
                                                maxRows: 2000000 });
if (editAt >= 0) {
  const col = Number(args[editAt + 1]), row = Number(args[editAt + 2]);
  const value = isNaN(Number(args[editAt + 3])) ? args[editAt + 3] : Number(args[editAt + 3]);
  const t0 = process.hrtime.bigint();
  hf.setCellContents({ sheet: 0, col: col - 1, row: row - 1 }, [[value]]);
  const ms = Number(process.hrtime.bigint() - t0) / 1e6;
  process.stderr.write(JSON.stringify({ editMs: ms }) + '\n');
}
const values = hf.getSheetValues(0);
fs.writeFileSync(output, values.map(r => r.map(csvField).join(',')).join('\n') + '\n', 'latin1');
