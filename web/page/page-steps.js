// The step-by-step window's matrix: a step's augmented matrix as the
// desktop's window shows it.

import { element } from './page-dialog.js';

// The augmented matrix of a step: a rule before each block after A, the
// marks as the desktop's window shows them, each row's note last.
const kMarkClasses = [[1, 'pivot'], [2, 'searched'], [4, 'changed'], [8, 'used'], [16, 'stored']];

export function fillStepTable(steps, rows) {
  const head = element('tr');
  head.append(element('th'));
  rows[0].cells.forEach((cell, k) => {
    if (cell.rule) head.append(element('th', 'rule'));
    head.append(element('th', '', steps.columns[k]));
  });
  head.append(element('th'));
  const body = rows.map((row, i) => {
    const line = element('tr');
    const name = element('th', row.exchanged ? 'exchanged' : '', String(i + 1));
    if (row.exchanged) name.style.background = steps.colours.exchanged;
    line.append(name);
    for (const cell of row.cells) {
      if (cell.rule) line.append(element('td', 'rule'));
      const shown = element('td', '', cell.text);
      for (const [bit, mark] of kMarkClasses) if (cell.marks & bit) shown.classList.add(`mark-${mark}`);
      const background = (cell.marks & 4) ? 'changed' : (cell.marks & 8) ? 'used' : (cell.marks & 2) ? 'searched' : null;
      if (background) shown.style.background = steps.colours[background];
      if (cell.marks & 16) shown.style.color = steps.colours.stored;
      line.append(shown);
    }
    line.append(element('td', 'note', row.note));
    return line;
  });
  steps.table.replaceChildren(head, ...body);
}
