// Builds a small site with `korvane-cli batch --web` and opens it in headless
// Chromium: the contents frame must list the types with their designs, and
// each link must load that design's page in the main frame.
'use strict';

const assert = require('node:assert/strict');
const { execFileSync, spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require(process.env.PLAYWRIGHT_CORE);

const cli = process.env.KORVANE_CLI;

// Lines of a design file (1-based): the ship name's first part, the ship
// type's number and name (slot 31).
const kShipNameLine = 3;
const kTypeNumberLine = 963;
const kTypeNameLine = 964;

const designs = [
  { file: 'alpha.k2d', name: 'Alpha Trader', type: 1, typeName: 'Merchant' },
  { file: 'bravo liner.k2d', name: 'Bravo & Sons', type: 3, typeName: 'Liner' },
  { file: 'charlie.k2d', name: 'Charlie', type: 1, typeName: 'Merchant' },
  { file: 'delta#2.k2d', name: 'Delta <Scout>', type: 5, typeName: 'Scout' },
  { file: 'echo.k2d', name: 'Echo', type: 9, typeName: 'Mystery' },
];

const expectedContents = [
  { heading: 'Designs of type Merchant', ships: ['Alpha Trader', 'Charlie'] },
  { heading: 'Designs of type Liner', ships: ['Bravo & Sons'] },
  { heading: 'Designs of type Scout', ships: ['Delta <Scout>'] },
  { heading: 'Unclassified designs', ships: ['Echo'] },
];

function buildSite(home) {
  const env = {
    ...process.env,
    HOME: home,
    XDG_CONFIG_HOME: path.join(home, 'config'),
    XDG_DATA_HOME: path.join(home, 'data'),
  };
  delete env.WINDIR;
  const fleet = path.join(home, 'fleet');
  fs.mkdirSync(fleet);
  const template = path.join(home, 'template.k2d');
  execFileSync(cli, ['new', template], { env, cwd: home });
  const lines = fs.readFileSync(template, 'latin1').split('\r\n');
  for (const design of designs) {
    lines[kShipNameLine - 1] = design.name;
    lines[kTypeNumberLine - 1] = ` ${design.type} `;
    lines[kTypeNameLine - 1] = design.typeName;
    fs.writeFileSync(path.join(fleet, design.file), lines.join('\r\n'), 'latin1');
  }
  const run = spawnSync(cli, ['batch', '--web', fleet], { env, cwd: home, encoding: 'utf8' });
  // The new designs lack a power plant, so the error list is not empty.
  assert.equal(run.status, 1, `batch --web exited ${run.status}: ${run.stderr}`);
  assert.match(run.stdout, /echo\.k2d - can't match category/);
  return fleet;
}

// Each red heading of the contents page with the ship names listed under it.
function readContents(frame) {
  return frame.evaluate(() =>
    [...document.querySelectorAll('font[color="red"]')].map((font) => {
      let list = font.nextElementSibling;
      while (list && list.tagName !== 'UL') list = list.nextElementSibling;
      return {
        heading: font.textContent.trim(),
        ships: [...list.querySelectorAll('li')].map((item) => item.textContent.trim()),
      };
    }),
  );
}

async function pageShows(frame, shipName) {
  await frame.waitForLoadState('load');
  const heading = await frame.evaluate(() => document.querySelector('h1').textContent.trim());
  assert.equal(heading, shipName, `main frame at ${frame.url()}`);
}

async function main() {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-browser-'));
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-chromium-'));
  let context;
  try {
    const fleet = buildSite(home);
    context = await chromium.launchPersistentContext(profile, {
      executablePath: '/usr/bin/chromium',
      headless: true,
      args: [
        '--headless',
        '--no-sandbox',
        '--disable-gpu',
        '--disable-quic',
        '--no-first-run',
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
      ],
    });
    const page = context.pages()[0] ?? (await context.newPage());
    await page.goto(pathToFileURL(path.join(fleet, 'index.htm')).href);

    const contents = page.frame({ name: 'contents' });
    const main = page.frame({ name: 'shmain' });
    assert.ok(contents && main, 'index.htm has the contents and main frames');
    await contents.waitForLoadState('load');
    assert.deepEqual(await readContents(contents), expectedContents);
    await pageShows(main, 'Alpha Trader');
    console.log('contents frame lists the types with their designs');

    const links = contents.locator('li a');
    assert.equal(await links.count(), designs.length);
    for (let i = 0; i < designs.length; ++i) {
      const link = links.nth(i);
      const shipName = (await link.textContent()).trim();
      const design = designs.find((d) => d.name === shipName);
      assert.ok(design, `a link to an unknown design: ${shipName}`);
      const page = design.file.replace(/\.k2d$/, '.htm');
      await Promise.all([main.waitForNavigation(), link.click()]);
      assert.equal(decodeURIComponent(path.basename(new URL(main.url()).pathname)), page);
      await pageShows(main, shipName);
      console.log(`link "${shipName}" opens ${page}`);
    }
  } finally {
    if (context) await context.close();
    fs.rmSync(home, { recursive: true, force: true });
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
