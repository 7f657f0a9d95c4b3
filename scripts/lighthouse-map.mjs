// SPDX-License-Identifier: MIT
// Lighthouse on the page as it is in use: a user flow that loads the page,
// pastes a listing of all 2,048 talk groups into the list tool, and measures
// the span in which the list is converted and its map drawn, then the page
// with the map on it. Lighthouse's own puppeteer-core drives Chromium.
//   node scripts/lighthouse-map.mjs NPM_DIR URL mobile|desktop
import {createRequire} from "node:module";
import {pathToFileURL} from "node:url";

const [npm, url, device] = process.argv.slice(2);
const from = createRequire(`${npm}/node_modules/`);
const load = (name) => import(pathToFileURL(from.resolve(name)).href);
const {default: puppeteer} = await load("puppeteer-core");
const {startFlow, desktopConfig} = await load("lighthouse");

let listing = "Decimal,Alpha Tag\n";
for (let id = 0; id < 2048; ++id) listing += `${id},TG ${id}\n`;

const browser = await puppeteer.launch({executablePath: "/usr/bin/chromium",
  args: ["--headless=new", "--no-sandbox", "--disable-gpu"]});
const page = await browser.newPage();
const flow = await startFlow(page, {config: device === "desktop" ? desktopConfig : undefined,
  flags: {onlyCategories: ["performance", "accessibility", "best-practices"]}});
await flow.navigate(url);
await flow.startTimespan({name: "the list converted and its map drawn"});
await page.evaluate((text) => {
  const input = document.getElementById("listInput");
  input.value = text;
  input.dispatchEvent(new Event("input", {bubbles: true}));
}, listing);
await page.waitForFunction(() => !document.getElementById("fleetmap").hidden, {timeout: 60000});
await flow.endTimespan();
await flow.snapshot({name: "the page with its map"});

for (const {name, lhr} of (await flow.createFlowResult()).steps.slice(1)) {
  // A snapshot scores no performance, only counts the audits passed.
  const passed = ({auditRefs}) => auditRefs.filter(({id}) => lhr.audits[id].score === 1).length;
  const scores = Object.entries(lhr.categories).map(([category, value]) =>
    lhr.gatherMode === "snapshot" && category === "performance"
      ? `performance ${passed(value)} of ${value.auditRefs.length} audits passed`
      : `${category} ${Math.round(value.score * 100)}`).join(", ");
  const short = Object.values(lhr.audits).filter((audit) => audit.score !== null &&
    audit.score < 1 && ["binary", "numeric", "metricSavings"].includes(audit.scoreDisplayMode));
  const elements = lhr.audits["dom-size"]?.numericValue;
  const blocking = lhr.audits["total-blocking-time"]?.displayValue;
  console.log(`lighthouse ${device.padEnd(7)}  ${name}: ${scores}` +
    (blocking ? `; TBT ${blocking}` : "") + (elements ? `; ${elements} elements` : "") +
    (short.length ? `; short of 100: ${short.map((audit) => audit.id).join(", ")}` : ""));
}
await browser.close();
