// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page's startup.js with the decimal separator of every language
// and region this machine's ICU knows (CLDR's), as Intl.NumberFormat gives
// them: the page reads the browser's from the table before anything shows,
// where asking the browser's own number data first costs a phone a fifth of
// a second. Languages whose separator is "." are left out, and each region
// only where it differs from its language's.
//
//     node decimal_separators.mjs TEMPLATE OUT
import { readFileSync, writeFileSync } from 'node:fs';

const PLACE = 'const SEPARATORS = {};';
const [template, out] = process.argv.slice(2);

const separatorOf = (tag) => new Intl.NumberFormat(tag).formatToParts(1.5)
  .find((part) => part.type === 'decimal')?.value ?? '.';
const known = (tag) => Intl.NumberFormat.supportedLocalesOf(tag).length > 0 &&
  new Intl.NumberFormat(tag).resolvedOptions().locale === tag;

const letters = [...'abcdefghijklmnopqrstuvwxyz'];
const codes = (length) => (length === 0 ? [''] : codes(length - 1)
  .flatMap((start) => letters.map((letter) => start + letter)));
const languages = [...codes(2), ...codes(3)].filter(known);
const regions = codes(2).map((code) => code.toUpperCase());

// Each separator with the tags that take it, a region's before its
// language's, between spaces: the page finds a tag by a text search, which
// costs it less to read than an object of hundreds of keys.
const table = {};
const take = (tag, separator) => { table[separator] = `${table[separator] ?? ' '}${tag} `; };
for (const language of languages) {
  const separator = separatorOf(language);
  for (const region of regions) {
    const tag = `${language}-${region}`;
    if (known(tag) && separatorOf(tag) !== separator) take(tag, separatorOf(tag));
  }
  if (separator !== '.') take(language, separator);
}
const source = readFileSync(template, 'utf8');
if (!source.includes(PLACE)) throw new Error(`${template} has no place for the table`);
writeFileSync(out, source.replace(PLACE, `const SEPARATORS = ${JSON.stringify(table)};`));
