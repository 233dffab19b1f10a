// SPDX-License-Identifier: GPL-3.0-or-later
// The page is a static site made by the build's own tools: `make web`, with
// no Chromium and no npm anywhere on PATH, builds it afresh into folders of
// its own, the window drawn into it by the core.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, symlinkSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { it } from 'node:test';

const ROOT = fileURLToPath(new URL('../..', import.meta.url));
const BROWSERS_AND_NPM = /^(chromium.*|chrome|google-chrome.*|npm|npx|corepack)$/;

// A folder of links to every program on PATH but browsers and npm.
function pathWithout(pattern, into) {
  for (const folder of process.env.PATH.split(':').filter(existsSync)) {
    for (const name of readdirSync(folder)) {
      const link = join(into, name);
      if (!pattern.test(name) && !existsSync(link)) symlinkSync(join(folder, name), link);
    }
  }
  return into;
}

it('builds with no browser and no npm within reach', { timeout: 1800000 }, () => {
  const work = mkdtempSync(join(tmpdir(), 'distancia-web-'));
  try {
    const path = pathWithout(BROWSERS_AND_NPM, mkdtempSync(join(work, 'bin-')));
    const built = spawnSync('make', ['web', `WASM_DIR=${join(work, 'build')}`,
                                     `WEB_DIST=${join(work, 'web')}`],
                            { cwd: ROOT, env: { ...process.env, PATH: path }, encoding: 'utf8' });
    assert.equal(built.status, 0, `${built.stdout.slice(-2000)}\n${built.stderr.slice(-2000)}`);
    const index = readFileSync(join(work, 'web', 'index.html'), 'utf8');
    assert.match(index, /<input class="field centred" type="text" value="40"/);
    assert.match(index, /Relación f\/D: 0,50/);
    for (const file of ['core.wasm', 'style.css', 'main.js', 'sw.js'])
      assert.ok(existsSync(join(work, 'web', file)), file);
  } finally {
    rmSync(work, { recursive: true, force: true });
  }
});
